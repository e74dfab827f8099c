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

void Win32RunningCopies::forEachCopy(const std::function<bool(HWND)>& answer)
{
    for (HWND window = FindWindowExW(nullptr, nullptr, windowClass_.c_str(), title_.c_str()); window;
         window = FindWindowExW(nullptr, window, windowClass_.c_str(), title_.c_str())) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        // This start came from the user, so it may hand the foreground on:
        // to the window it shows, or to the window a command types into.
        AllowSetForegroundWindow(process);
        if (answer(window)) return;
    }
}

bool Win32RunningCopies::askToShow()
{
    const UINT show = RegisterWindowMessageW(kShowMessageName);
    bool shown = false;
    forEachCopy([&](HWND window) {
        // Another program's thread: asked for a bounded time only.
        DWORD_PTR answer = 0;
        shown = SendMessageTimeoutW(window, show, 0, 0, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, 2000, &answer) &&
                static_cast<LRESULT>(answer) == kShownAnswer;
        return shown;
    });
    return shown;
}

std::optional<int> Win32RunningCopies::sendCommand(const std::string& command)
{
    std::optional<int> answered;
    forEachCopy([&](HWND window) {
        COPYDATASTRUCT data{kCommandTag, static_cast<DWORD>(command.size()), const_cast<char*>(command.data())};
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                 SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, 2000, &answer))
            return false;
        const auto code = static_cast<LRESULT>(answer) - kCommandAnswered;
        if (code < 0 || code >= 0x100) return false;
        answered = static_cast<int>(code);
        return true;
    });
    return answered;
}

void Win32RunningCopies::pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

void Win32RunningCopies::giveUp() { token_.reset(); }

}  // namespace mw::win32
