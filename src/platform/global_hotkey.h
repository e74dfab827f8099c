#pragma once
// A key combination the system reports to the program from any window.
#include <cstdint>
#include <functional>

namespace mw {

struct HotkeyCombination {
    bool control = false;
    bool alt = false;
    bool shift = false;
    std::uint16_t virtualKey = 0;
    bool operator==(const HotkeyCombination&) const = default;
};

class GlobalHotkey {
public:
    virtual ~GlobalHotkey() = default;
    // Claims the combination for the program; false when another program
    // holds it. Replaces a combination claimed before.
    virtual bool claim(const HotkeyCombination& combination) = 0;
    virtual void release() = 0;
    // Lets keystrokes through that press the combination (the program's own,
    // or the user's in the Options dialog's hotkey field), and claims it
    // again afterwards. Suspensions nest: the combination is claimed again
    // at the resume() of the last one. A combination claimed meanwhile is
    // held from then on.
    virtual void suspend() = 0;
    virtual void resume() = 0;
    // The combination was pressed.
    std::function<void()> onPressed;
};

}  // namespace mw
