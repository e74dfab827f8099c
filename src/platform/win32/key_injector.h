#pragma once
#include "platform/win32/windows_include.h"
#include "platform/key_injection.h"
#include "typing/user_idle.h"

namespace mw::win32 {

// Key inputs into the foreground window with SendInput, one call per batch so
// the user's own typing cannot interleave; the layout is the target thread's.
class Win32KeyInjector final : public KeyInjector {
public:
    std::unique_ptr<KeyboardLayout> layoutOf(WindowHandle target) override;
    bool capsLockOn() override;
    Sent send(const std::vector<KeyInput>& inputs, WindowHandle target) override;
    void beginTaken(WindowHandle target, bool inFront) override;
    Taken taken() override;
    std::int64_t userIdleMs() override;
    HeldInput held() override;
    std::unique_ptr<UserKeyWatch> watchUserKeys() override;
    // The program gave input of its own just now, keys or not: it does not
    // count as the user's for userIdleMs.
    void ownInputSent();

private:
    void probe();

    // The keys the turn waits for the target to take.
    HWND window_ = nullptr;
    HWND focus_ = nullptr;
    bool inFront_ = false;
    bool paints_ = false;
    unsigned long long probes_ = 0, probe_ = 0;
    unsigned long long probedAt_ = 0;
    UserIdle idle_;
};

}  // namespace mw::win32
