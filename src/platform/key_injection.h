#pragma once
// The one place where keystrokes leave the program.
#include <cstdint>
#include <string>
#include <vector>

#include "window_handle.h"

namespace mw {

// One key event of a parsed key string.
struct KeyEvent {
    enum class Kind { VirtualKey, Character };
    Kind kind = Kind::VirtualKey;
    std::uint16_t virtualKey = 0;  // for VirtualKey
    char32_t character = 0;        // for Character: typed as that character
    bool down = true;
};

class KeyInjector {
public:
    virtual ~KeyInjector() = default;
    // Sends one batch of events, as one uninterruptible input, into the
    // foreground window, which is the target. Raises a Failure when the system
    // did not accept all of them or cannot deliver them to the target; no
    // modifier is left down either way.
    virtual void send(const std::vector<KeyEvent>& events, WindowHandle target) = 0;
    // Waits until the target has taken the keys sent to it.
    virtual void waitUntilTaken(WindowHandle target) = 0;
};

}  // namespace mw
