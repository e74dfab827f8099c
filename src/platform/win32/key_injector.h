#pragma once
#include "platform/key_injection.h"

namespace mw::win32 {

// Key inputs into the foreground window with SendInput, one call per batch so
// the user's own typing cannot interleave; the layout is the target thread's.
class Win32KeyInjector final : public KeyInjector {
public:
    std::unique_ptr<KeyboardLayout> layoutOf(WindowHandle target) override;
    bool capsLockOn() override;
    Sent send(const std::vector<KeyInput>& inputs, WindowHandle target) override;
    Taken waitUntilTaken(WindowHandle target) override;
    HeldInput held() override;
    std::unique_ptr<UserKeyWatch> watchUserKeys() override;
    void pause(int milliseconds) override;
};

}  // namespace mw::win32
