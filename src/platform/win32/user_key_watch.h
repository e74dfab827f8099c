#pragma once
#include "platform/user_input.h"
#include "platform/win32/unique_handle.h"

namespace mw::win32 {

// What the program puts into dwExtraInfo of every key it sends, so that its
// own keys can be told from everyone else's: the user's, and those other
// programs send (which are injected too, so the injected flag cannot tell).
inline constexpr ULONG_PTR kOwnKeysTag = 0x4D57'4B45;  // "MWKE"

// The keyboard's raw input, read on a thread of its own for as long as the
// watch lives: the system gives it every key of the session, with the extra
// information the key was sent with, also while another program is in front.
// A low-level keyboard hook would see the same keys, but the system waits
// for a hook before each key goes on: every key the program sends made a
// round trip to the hook's thread, which under Wine set the pace of typing.
// Raw input holds no key up, and the thread reads what came in bulk every
// few milliseconds instead of waking for each key.
class Win32UserKeyWatch final : public UserKeyWatch {
public:
    // Waits up to readyBoundMs for the raw input to come to its thread.
    explicit Win32UserKeyWatch(DWORD readyBoundMs = 2000);
    // Ends the thread and with it the raw input, however far it had started.
    ~Win32UserKeyWatch() override;
    Win32UserKeyWatch(const Win32UserKeyWatch&) = delete;
    Win32UserKeyWatch& operator=(const Win32UserKeyWatch&) = delete;
    bool pressed() override;

private:
    static DWORD WINAPI run(void* ready);
    UniqueKernelHandle ready_;  // set once the raw input comes to the thread and it takes messages
    UniqueKernelHandle thread_;
    DWORD threadId_ = 0;
    unsigned pressesBefore_ = 0;
};

}  // namespace mw::win32
