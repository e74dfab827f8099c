#include "platform/win32/user_key_watch.h"

#include <atomic>

namespace mw::win32 {
namespace {

// Keys pressed by others, counted by every hook the process has.
std::atomic<unsigned> othersPresses{0};

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        if (key->dwExtraInfo != kOwnKeysTag) ++othersPresses;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

// How long the watch waits for its own thread to start or end.
constexpr DWORD kThreadBoundMs = 2000;

}  // namespace

DWORD WINAPI Win32UserKeyWatch::run(void* ready)
{
    const HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, &keyboardHook, GetModuleHandleW(nullptr), 0);
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue the quit is posted to
    SetEvent(static_cast<HANDLE>(ready));
    // The hook is called from inside GetMessage.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    if (hook) UnhookWindowsHookEx(hook);
    return 0;
}

Win32UserKeyWatch::Win32UserKeyWatch() : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (!ready_) return;
    thread_.reset(CreateThread(nullptr, 0, &run, ready_.get(), 0, &threadId_));
    // Without its thread the watch sees nothing; the held keys are still
    // looked at before every batch.
    if (thread_) WaitForSingleObject(ready_.get(), kThreadBoundMs);
    pressesBefore_ = othersPresses.load();
}

Win32UserKeyWatch::~Win32UserKeyWatch()
{
    if (!thread_) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    // A thread that has not ended may still set the event: it stays open.
    if (WaitForSingleObject(thread_.get(), kThreadBoundMs) != WAIT_OBJECT_0) ready_.release();
}

bool Win32UserKeyWatch::pressed() { return othersPresses.load() != pressesBefore_; }

}  // namespace mw::win32
