#include "platform/win32/window_system.h"

#include "platform/win32/hwnd.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

WindowHandle Win32WindowSystem::firstTopLevel() { return fromHwnd(GetWindow(GetDesktopWindow(), GW_CHILD)); }
WindowHandle Win32WindowSystem::nextBelow(WindowHandle window) { return fromHwnd(GetWindow(toHwnd(window), GW_HWNDNEXT)); }
WindowHandle Win32WindowSystem::owner(WindowHandle window) { return fromHwnd(GetWindow(toHwnd(window), GW_OWNER)); }

std::string Win32WindowSystem::title(WindowHandle window) { return windowText(toHwnd(window)); }

bool Win32WindowSystem::isVisible(WindowHandle window) { return IsWindowVisible(toHwnd(window)) != FALSE; }
bool Win32WindowSystem::exists(WindowHandle window) { return window != kNoWindow && IsWindow(toHwnd(window)) != FALSE; }

namespace {

// Moving or showing another thread's window waits for that thread, and for
// one that has just stopped answering that is forever: the system calls a
// window hung only after five seconds. The turn's calls are posted instead;
// the target takes them before the keys, and a target that does not answer
// never comes to the front, so it gets no keys.
bool otherThreads(HWND window) { return GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId(); }

void moveInZOrder(HWND window, HWND after)
{
    SetWindowPos(window, after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (otherThreads(window) ? SWP_ASYNCWINDOWPOS : 0));
}

}  // namespace

void Win32WindowSystem::setTopmostBand(WindowHandle window, bool topmost)
{
    moveInZOrder(toHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST);
}

void Win32WindowSystem::showDefault(WindowHandle window) { ShowWindowAsync(toHwnd(window), SW_SHOWDEFAULT); }

namespace {

// The window is the foreground window and its own thread has taken the
// activation, so the next input goes to it.
bool activeIn(HWND window, DWORD thread)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == window && GetGUIThreadInfo(thread, &info) && info.hwndActive == window;
}

}  // namespace

bool Win32WindowSystem::bringToForeground(WindowHandle window)
{
    const HWND hwnd = toHwnd(window);
    // A hung window would swallow the keys, and waiting for it would hang us.
    if (!IsWindow(hwnd) || IsHungAppWindow(hwnd)) return false;
    const DWORD targetThread = GetWindowThreadProcessId(hwnd, nullptr);
    const DWORD self = GetCurrentThreadId();
    constexpr int kAttempts = 5;
    constexpr DWORD kWaitMs = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (activeIn(hwnd, targetThread)) return true;
        // The foreground lock lets only the foreground thread's input queue
        // hand the foreground on: if asking alone did not do, join it for the
        // moment of the switch. Not at once, and never the target's own
        // thread: under Wine joining resets the key state the joined threads
        // share, so that thread would take Caps Lock as off.
        const HWND foreground = GetForegroundWindow();
        const DWORD foregroundThread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
        const bool attached = attempt > 0 && foregroundThread && foregroundThread != self &&
                              foregroundThread != targetThread && AttachThreadInput(self, foregroundThread, TRUE);
        if (IsIconic(hwnd)) ShowWindowAsync(hwnd, SW_RESTORE);
        moveInZOrder(hwnd, HWND_TOP);
        SetForegroundWindow(hwnd);
        if (attached) AttachThreadInput(self, foregroundThread, FALSE);
        const ULONGLONG until = GetTickCount64() + kWaitMs;
        while (!activeIn(hwnd, targetThread) && GetTickCount64() < until) Sleep(5);
    }
    return activeIn(hwnd, targetThread);
}

}  // namespace mw::win32
