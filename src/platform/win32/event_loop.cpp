#include "platform/win32/event_loop.h"


namespace mw::win32 {

void dispatch(MSG& message)
{
    const HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32EventLoop::processPending()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit_ = true;
            // Leave the quit for the main loop to see.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

void Win32EventLoop::waitForEvents(int timeoutMs)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeoutMs > 0 ? timeoutMs : 0), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    processPending();
}

void runModal(const bool& open, HWND owner)
{
    MSG message{};
    while (open) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
            break;
        }
        dispatch(message);
    }
    EnableWindow(owner, TRUE);
    if (IsWindowVisible(owner)) SetActiveWindow(owner);
}

}  // namespace mw::win32
