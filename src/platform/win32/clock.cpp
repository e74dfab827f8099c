#include "platform/win32/clock.h"

#include "platform/win32/utf.h"

namespace mw::win32 {

std::int64_t Win32Clock::monotonicMs() { return static_cast<std::int64_t>(GetTickCount64()); }

std::string Win32Clock::nowText()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, time, 128);
    return narrow(std::wstring(date) + L" " + time);
}

}  // namespace mw::win32
