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

Win32UserKeyWatch::Win32UserKeyWatch(DWORD readyBoundMs) : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (!ready_) return;
    thread_.reset(CreateThread(nullptr, 0, &run, ready_.get(), 0, &threadId_));
    // A thread slow to start leaves the first keys unwatched; the held keys
    // are still looked at before every batch.
    if (thread_) WaitForSingleObject(ready_.get(), readyBoundMs);
    pressesBefore_ = othersPresses.load();
}

Win32UserKeyWatch::~Win32UserKeyWatch()
{
    if (!thread_) return;
    // The quit can only be posted once the thread has its queue: until it is
    // ready, a post fails and the thread would keep its hook for good. It
    // gets ready within moments, as it does nothing else before.
    const HANDLE startedOrEnded[] = {ready_.get(), thread_.get()};
    WaitForMultipleObjects(2, startedOrEnded, FALSE, INFINITE);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_.get(), INFINITE);
}

bool Win32UserKeyWatch::pressed() { return othersPresses.load() != pressesBefore_; }

}  // namespace mw::win32
