#include "platform/win32/running_copies.h"

#include <utility>

namespace mw::win32 {

Win32RunningCopies::Win32RunningCopies(std::wstring tokenName, std::wstring windowClass, std::wstring title)
    : tokenName_(std::move(tokenName)), windowClass_(std::move(windowClass)), title_(std::move(title))
{
}

bool Win32RunningCopies::claim()
{
    token_.reset(CreateMutexW(nullptr, FALSE, tokenName_.c_str()));
    const DWORD error = GetLastError();
    if (token_ && error == ERROR_ALREADY_EXISTS) {
        // Not kept open: the token must vanish when its holder lets go.
        token_.reset();
        return false;
    }
    // An elevated copy's token is out of this start's reach altogether.
    if (!token_ && error == ERROR_ACCESS_DENIED) return false;
    // Taken, or no token to be had at all: the program runs as it can.
    return true;
}

bool Win32RunningCopies::askToShow()
{
    const UINT show = RegisterWindowMessageW(kShowMessageName);
    for (HWND window = FindWindowExW(nullptr, nullptr, windowClass_.c_str(), title_.c_str()); window;
         window = FindWindowExW(nullptr, window, windowClass_.c_str(), title_.c_str())) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        // This start came from the user, so it may hand the foreground on.
        AllowSetForegroundWindow(process);
        // Another program's thread: asked for a bounded time only.
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, show, 0, 0, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, 2000, &answer) &&
            static_cast<LRESULT>(answer) == kShownAnswer)
            return true;
    }
    return false;
}

void Win32RunningCopies::pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

void Win32RunningCopies::giveUp() { token_.reset(); }

}  // namespace mw::win32
