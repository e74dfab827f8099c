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

// What the keyboard of the target window's thread says: its layout, and
// whether an input method is open there.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    struct Stroke {
        std::uint16_t virtualKey = 0;
        // Bit 0 Shift, bit 1 Ctrl, bit 2 Alt (Ctrl+Alt is AltGr); higher bits
        // are states such as Kana or Hankaku.
        std::uint8_t shiftState = 0;
    };
    // The key and shift state the layout's table gives for the character
    // (VkKeyScanEx), or nothing when it has none.
    virtual std::optional<Stroke> strokeFor(char32_t character) const = 0;
    // What that key types in that shift state with Caps Lock off, asked
    // without changing the keyboard's state: its characters (UTF-16), or a
    // dead key, which types nothing by itself and changes the next key's
    // character instead.
    struct Typed {
        bool deadKey = false;
        std::u16string text;
    };
    virtual Typed typedBy(const Stroke& stroke) const = 0;
    // The primary language of the layout's input language (a Windows primary
    // language identifier: 0x09 English, 0x11 Japanese, ...).
    virtual std::uint16_t language() const = 0;
    // The scan code of the key, 0xE0 or 0xE1 in the high byte for an extended
    // key (MAPVK_VK_TO_VSC_EX); 0 when the layout has none.
    virtual std::uint16_t scanCode(std::uint16_t virtualKey) const = 0;
};

// Whether the target's thread has taken the keys sent (or posted) to it:
// Pending until it has; NotResponding when it has stopped taking any
// messages; FocusLost when, for keys sent in front, the foreground has gone
// to another program meanwhile (more keys would reach that program), or the
// target is gone.
enum class KeysTaken { Pending, Yes, NotResponding, FocusLost };

// Watches, for one turn, the target take the keys sent up to the moment the
// watch began; asked without waiting, as often as the turn looks.
class TakenWatch {
public:
    virtual ~TakenWatch() = default;
    virtual KeysTaken taken() = 0;
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

    // Begins watching the target take the keys sent so far; inFront: they
    // were sent into the foreground, which must stay the target's.
    using Taken = KeysTaken;
    virtual std::unique_ptr<TakenWatch> watchTaken(WindowHandle target, bool inFront) = 0;
};

}  // namespace mw
