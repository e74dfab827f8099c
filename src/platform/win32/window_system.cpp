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

void Win32WindowSystem::setTopmostBand(WindowHandle window, bool topmost)
{
    // Moving another thread's window waits for that thread; for a hung one
    // (typing stops when a target hangs) the move is posted instead.
    const HWND hwnd = toHwnd(window);
    SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (IsHungAppWindow(hwnd) ? SWP_ASYNCWINDOWPOS : 0));
}

// Showing another thread's window waits for that thread, forever for a hung
// one; posted, the turn goes on and finds the window will not come forward.
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
        if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
        BringWindowToTop(hwnd);
        SetForegroundWindow(hwnd);
        if (attached) AttachThreadInput(self, foregroundThread, FALSE);
        const ULONGLONG until = GetTickCount64() + kWaitMs;
        while (!activeIn(hwnd, targetThread) && GetTickCount64() < until) Sleep(5);
    }
    return activeIn(hwnd, targetThread);
}

}  // namespace mw::win32
