#pragma once
#include "platform/key_injection.h"

namespace mw::win32 {

// Key events into the foreground window with SendInput, one call per batch so
// the user's own typing cannot interleave. Characters go as the virtual keys
// of the target's keyboard layout where it has them, otherwise as Unicode.
class Win32KeyInjector final : public KeyInjector {
public:
    void send(const std::vector<KeyEvent>& events, WindowHandle target) override;
    void waitUntilTaken(WindowHandle target) override;
};

}  // namespace mw::win32
