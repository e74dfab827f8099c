#include "platform/win32/locale.h"

#include "platform/win32/utf.h"

namespace mw::win32 {

namespace {

std::string localeText(LCTYPE item, const char* fallback)
{
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, 16) <= 1) return fallback;
    return narrow(text);
}

}  // namespace

LocaleFormat Win32Locale::format()
{
    return LocaleFormat{localeText(LOCALE_SDECIMAL, "."), localeText(LOCALE_STHOUSAND, ","),
                        localeText(LOCALE_STIME, ":")};
}

}  // namespace mw::win32
