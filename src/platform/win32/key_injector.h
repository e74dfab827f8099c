#pragma once
#include "platform/win32/windows_include.h"
#include "platform/key_injection.h"

namespace mw::win32 {

class Win32UserInput;

// Key inputs into the foreground window with SendInput, one call per batch so
// the user's own typing cannot interleave; the layout is the target thread's.
class Win32KeyInjector final : public KeyInjector {
public:
    // The program's own keys are not the user's input.
    explicit Win32KeyInjector(Win32UserInput& user) : user_(user) {}
    std::unique_ptr<KeyboardLayout> layoutOf(WindowHandle target) override;
    bool capsLockOn() override;
    Sent send(const std::vector<KeyInput>& inputs, WindowHandle target) override;
    std::unique_ptr<TakenWatch> watchTaken(WindowHandle target, bool inFront) override;

private:
    Win32UserInput& user_;
};

}  // namespace mw::win32
