#pragma once
#include "platform/user_input.h"
#include "platform/win32/unique_handle.h"

namespace mw::win32 {

// What the program puts into dwExtraInfo of every key it sends, so that its
// own keys can be told from everyone else's: the user's, and those other
// programs send (which are injected too, so the injected flag cannot tell).
inline constexpr ULONG_PTR kOwnKeysTag = 0x4D57'4B45;  // "MWKE"

// A low-level keyboard hook on a thread of its own, for as long as the watch
// lives. The system calls it for every key of the session before any window
// gets it, and holds that key until the hook answers: a thread that does
// nothing else answers at once, whatever the typing turn is doing.
class Win32UserKeyWatch final : public UserKeyWatch {
public:
    // Waits up to readyBoundMs for the hook to be in place.
    explicit Win32UserKeyWatch(DWORD readyBoundMs = 2000);
    // Ends the thread and with it the hook, however far it had started.
    ~Win32UserKeyWatch() override;
    Win32UserKeyWatch(const Win32UserKeyWatch&) = delete;
    Win32UserKeyWatch& operator=(const Win32UserKeyWatch&) = delete;
    bool pressed() override;

private:
    static DWORD WINAPI run(void* ready);
    UniqueKernelHandle ready_;  // set once the hook is in place and the thread takes messages
    UniqueKernelHandle thread_;
    DWORD threadId_ = 0;
    unsigned pressesBefore_ = 0;
};

}  // namespace mw::win32
