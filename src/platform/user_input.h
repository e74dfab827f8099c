#pragma once
// What the user does with the keyboard and the mouse, as a turn must know it
// to keep out of the user's way.
#include <cstdint>
#include <memory>

namespace mw {

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
// or another program typing for them.
class UserKeyWatch {
public:
    virtual ~UserKeyWatch() = default;
    // Whether such a key went down since the watch began.
    virtual bool pressed() = 0;
};

class UserInput {
public:
    virtual ~UserInput() = default;
    // How long the user has pressed no key and moved no mouse, the program's
    // own input not counted.
    virtual std::int64_t userIdleMs() = 0;
    // The modifier keys and mouse buttons held down now, the program's own
    // keys among them.
    virtual HeldInput held() = 0;
    // Begins noting the keys others press; the program's own never count.
    virtual std::unique_ptr<UserKeyWatch> watchUserKeys() = 0;
};

}  // namespace mw
