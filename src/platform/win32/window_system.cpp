#include "platform/win32/window_system.h"

#include "platform/win32/hwnd.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"
// After the Windows headers, which it relies on.
#include <dwmapi.h>

namespace mw::win32 {

WindowHandle Win32WindowSystem::firstTopLevel() { return fromHwnd(GetWindow(GetDesktopWindow(), GW_CHILD)); }
WindowHandle Win32WindowSystem::nextBelow(WindowHandle window) { return fromHwnd(GetWindow(toHwnd(window), GW_HWNDNEXT)); }
WindowHandle Win32WindowSystem::owner(WindowHandle window) { return fromHwnd(GetWindow(toHwnd(window), GW_OWNER)); }

std::string Win32WindowSystem::title(WindowHandle window) { return windowText(toHwnd(window)); }

bool Win32WindowSystem::isVisible(WindowHandle window) { return IsWindowVisible(toHwnd(window)) != FALSE; }
bool Win32WindowSystem::exists(WindowHandle window) { return window != kNoWindow && IsWindow(toHwnd(window)) != FALSE; }

bool Win32WindowSystem::isCloaked(WindowHandle window)
{
    // Where the window manager cannot tell (no composition, Wine), nothing is.
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(toHwnd(window), DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked;
}

WindowSystem::ExtendedStyle Win32WindowSystem::extendedStyle(WindowHandle window)
{
    const LONG_PTR style = GetWindowLongPtrW(toHwnd(window), GWL_EXSTYLE);
    return {(style & WS_EX_TOOLWINDOW) != 0, (style & WS_EX_NOACTIVATE) != 0, (style & WS_EX_APPWINDOW) != 0,
            (style & WS_EX_TOPMOST) != 0};
}

std::string Win32WindowSystem::programOf(WindowHandle window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(toHwnd(window), &process);
    // Limited information is granted for programs of any integrity level.
    const UniqueKernelHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle) return {};
    wchar_t path[MAX_PATH * 4] = L"";
    DWORD length = MAX_PATH * 4;
    if (!QueryFullProcessImageNameW(handle.get(), 0, path, &length)) return {};
    const std::wstring full(path, length);
    const std::size_t slash = full.find_last_of(L"\\/");
    return narrow(slash == std::wstring::npos ? full : full.substr(slash + 1));
}

std::string Win32WindowSystem::className(WindowHandle window)
{
    wchar_t name[257] = L"";
    const int length = GetClassNameW(toHwnd(window), name, 257);
    return narrow(std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

WindowSystem::Creator Win32WindowSystem::creatorOf(WindowHandle window)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(toHwnd(window), &process);
    return {process, thread};
}

WindowHandle Win32WindowSystem::foregroundWindow() { return fromHwnd(GetForegroundWindow()); }

WindowSystem::ThreadInput Win32WindowSystem::threadInput(ThreadId thread)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) return {};
    return {fromHwnd(info.hwndActive), fromHwnd(info.hwndFocus)};
}

namespace {

// Moving or showing another thread's window waits for that thread, and for
// one that has just stopped answering that is forever: the system calls a
// window hung only after five seconds. The turn's calls are posted instead;
// the target takes them before the keys, and a target that does not answer
// never comes to the front, so it gets no keys.
bool otherThreads(HWND window) { return GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId(); }

void moveInZOrder(HWND window, HWND after, bool activate = true)
{
    SetWindowPos(window, after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE) |
                     (otherThreads(window) ? SWP_ASYNCWINDOWPOS : 0));
}

std::wstring objectName(HANDLE object)
{
    wchar_t name[256] = L"";
    DWORD needed = 0;
    return GetUserObjectInformationW(object, UOI_NAME, name, sizeof name - sizeof name[0], &needed) ? name : L"";
}

}  // namespace

void Win32WindowSystem::setTopmostBand(WindowHandle window, bool topmost, bool activate)
{
    moveInZOrder(toHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, activate);
}

void Win32WindowSystem::show(WindowHandle window)
{
    // SW_RESTORE brings a minimised window back maximised if it was. Any show
    // command for the others would change them: SW_SHOWDEFAULT applies the
    // program's start-up state, normally "normal", and so un-maximised.
    const HWND hwnd = toHwnd(window);
    if (IsIconic(hwnd))
        ShowWindowAsync(hwnd, SW_RESTORE);
    else if (!IsWindowVisible(hwnd))
        ShowWindowAsync(hwnd, SW_SHOWNA);
}

bool Win32WindowSystem::isHung(WindowHandle window) { return IsHungAppWindow(toHwnd(window)) != FALSE; }

bool Win32WindowSystem::askForeground(WindowHandle window, bool ownInput)
{
    const HWND hwnd = toHwnd(window);
    if (ownInput) {
        // No movement, no button: nothing happens but that this program gave
        // the last input. (Joining the input of the thread in front instead,
        // AttachThreadInput, makes the switch wait until that thread takes its
        // deactivation: a busy program in front froze this one.)
        INPUT nothing{};
        nothing.type = INPUT_MOUSE;
        SendInput(1, &nothing, sizeof nothing);
        if (ownInputSent) ownInputSent();
    }
    moveInZOrder(hwnd, HWND_TOP);
    return SetForegroundWindow(hwnd) != FALSE;
}


bool Win32WindowSystem::desktopTakesInput()
{
    // While the session is locked or a secure desktop is up, input goes to the
    // "Winlogon" desktop, which this program may not even open; a secure screen
    // saver has its own. Input sent meanwhile fails with "access denied".
    const UniqueDesktop input(OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS));
    if (!input) return false;
    const std::wstring ours = objectName(GetThreadDesktop(GetCurrentThreadId()));
    return !ours.empty() && CompareStringOrdinal(objectName(input.get()).c_str(), -1, ours.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool Win32WindowSystem::fullScreenInFront()
{
    // The shell's view, which it also holds notifications back by; asked only
    // when the window in front covers its whole monitor, as the shell answers
    // through the taskbar's thread.
    const HWND front = GetForegroundWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT rect{};
    if (!front || !GetWindowRect(front, &rect) ||
        !GetMonitorInfoW(MonitorFromWindow(front, MONITOR_DEFAULTTONULL), &monitor))
        return false;
    const RECT& screen = monitor.rcMonitor;
    if (rect.left > screen.left || rect.top > screen.top || rect.right < screen.right || rect.bottom < screen.bottom)
        return false;
    QUERY_USER_NOTIFICATION_STATE state{};
    return SUCCEEDED(SHQueryUserNotificationState(&state)) &&
           (state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE);
}

bool Win32WindowSystem::acceptsOurInput(WindowHandle window)
{
    // User interface privilege isolation drops this program's keys to a
    // program of a higher integrity level without a word, and refuses its
    // posted messages with "access denied": a message of the program's own,
    // which no window acts on, tells. Unlike reading the target's token this
    // works for an elevated program of another account too.
    static const UINT probe = RegisterWindowMessageW(L"Marrowind.InputProbe");
    return PostMessageW(toHwnd(window), probe, 0, 0) || GetLastError() != ERROR_ACCESS_DENIED;
}

}  // namespace mw::win32
