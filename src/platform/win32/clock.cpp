#include "platform/win32/clock.h"

#include "platform/win32/utf.h"

namespace mw::win32 {

std::int64_t Win32Clock::monotonicMs()
{
    // The performance counter, not the tick count: the typing turn times its
    // delays with it, and the tick count moves in 15.6 ms steps.
    static const long long frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<std::int64_t>(now.QuadPart / frequency * 1000 + now.QuadPart % frequency * 1000 / frequency);
}

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
