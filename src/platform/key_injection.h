#pragma once
// The one place where keystrokes leave the program.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "window_handle.h"

namespace mw {

// One key event of a parsed key string.
struct KeyEvent {
    // Delay: a pause inside the turn, no key.
    enum class Kind { VirtualKey, Character, Delay };
    Kind kind = Kind::VirtualKey;
    std::uint16_t virtualKey = 0;  // for VirtualKey
    char32_t character = 0;        // for Character: typed as that character
    bool down = true;
    std::uint32_t delayMs = 0;     // for Delay
};

// One input as the system takes it: a key of the keyboard, or one UTF-16 unit
// typed as itself.
struct KeyInput {
    bool unicode = false;
    std::uint16_t virtualKey = 0;  // 0 for a unicode input
    std::uint16_t scanCode = 0;    // the layout's scan code (low byte), or the UTF-16 unit
    bool extended = false;         // the key sends the 0xE0 prefix
    bool up = false;
    friend bool operator==(const KeyInput&, const KeyInput&) = default;
};

// What the keyboard layout of the target window's thread says.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    struct Stroke {
        std::uint16_t virtualKey = 0;
        std::uint8_t shiftState = 0;  // bit 0 Shift, bit 1 Ctrl, bit 2 Alt (Ctrl+Alt is AltGr)
    };
    // The key and shift state that type the character, or nothing when the
    // layout has no such key, or only a dead key or one that needs another state.
    virtual std::optional<Stroke> strokeFor(char32_t character) const = 0;
    // The scan code of the key, 0xE0 or 0xE1 in the high byte for an extended
    // key (MAPVK_VK_TO_VSC_EX); 0 when the layout has none.
    virtual std::uint16_t scanCode(std::uint16_t virtualKey) const = 0;
};

class KeyInjector {
public:
    virtual ~KeyInjector() = default;

    virtual std::unique_ptr<KeyboardLayout> layoutOf(WindowHandle target) = 0;
    // Whether Caps Lock is on now, as the system has it.
    virtual bool capsLockOn() = 0;

    struct Sent {
        std::size_t accepted = 0;
        std::string error;  // the system's reason when not all were accepted
    };
    // Sends the inputs as one uninterruptible input into the foreground window,
    // which is the target.
    virtual Sent send(const std::vector<KeyInput>& inputs, WindowHandle target) = 0;

    enum class Taken { Yes, NotResponding, FocusLost };
    // Waits, for a bounded time, until the target's thread has taken the keys
    // sent to it. NotResponding when it stopped taking any messages; FocusLost
    // when the foreground has gone to another program meanwhile, so that more
    // keys would reach that program instead.
    virtual Taken waitUntilTaken(WindowHandle target) = 0;
};

}  // namespace mw
