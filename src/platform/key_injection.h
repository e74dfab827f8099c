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

// The keys and buttons that turn typed keys into something else while they
// are held: shortcuts, a drag, a menu.
struct HeldInput {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool windows = false;
    bool mouseButton = false;
    bool any() const { return shift || control || alt || windows || mouseButton; }
};

// Notes, while it lives, keys pressed by anyone but this program: the user,
// or another program typing for them. It only listens: no key waits for it.
class UserKeyWatch {
public:
    virtual ~UserKeyWatch() = default;
    // Whether such a key went down since the watch began.
    virtual bool pressed() = 0;
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

    // Whether the target's thread has taken the keys sent (or posted) to it,
    // asked without waiting: beginTaken marks the moment after the keys, and
    // taken answers, each time it is asked, Pending until the target has
    // taken them; NotResponding when it has stopped taking any messages;
    // FocusLost when, with inFront, the foreground has gone to another
    // program meanwhile (more keys would reach that program), or the target
    // is gone.
    enum class Taken { Pending, Yes, NotResponding, FocusLost };
    virtual void beginTaken(WindowHandle target, bool inFront) = 0;
    virtual Taken taken() = 0;
    // How long the user has pressed no key and moved no mouse, the program's
    // own keys not counted.
    virtual std::int64_t userIdleMs() = 0;

    // The modifier keys and mouse buttons held down now. Between two batches
    // none of the program's own keys is down, so whatever is held is someone
    // else's.
    virtual HeldInput held() = 0;
    // Begins noting the keys others press; the program's own never count.
    virtual std::unique_ptr<UserKeyWatch> watchUserKeys() = 0;
};

}  // namespace mw
