#pragma once
// Keys as messages posted to a window's focused control, for typing into a
// window that stays in the background: no input event, no foreground change.
// Programs that read the keyboard itself (most games) see nothing of them.
#include <cstdint>
#include <vector>

#include "window_handle.h"

namespace mw {

struct KeyMessage {
    // A key going down or up, or a character typed.
    enum class Kind { KeyDown, KeyUp, Character };
    Kind kind = Kind::KeyDown;
    std::uint16_t code = 0;  // the virtual key, or the UTF-16 unit of a character
    std::uint8_t scanCode = 0;
    bool extended = false;
    // Alt is held and Ctrl is not: the system's kind of key message, as the
    // keyboard sends with Alt.
    bool withAlt = false;
    friend bool operator==(const KeyMessage&, const KeyMessage&) = default;
};

class KeyPosting {
public:
    virtual ~KeyPosting() = default;
    // Posts the messages, in order, to the window that has the keyboard focus
    // in the target's thread (the target itself when none has). False when
    // the target is gone or refuses them (a program run as administrator).
    virtual bool post(const std::vector<KeyMessage>& messages, WindowHandle target) = 0;
};

}  // namespace mw
