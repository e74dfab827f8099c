#pragma once
// Key combinations the system reports to the program from any window: the
// on/off hotkey, and one for each sequence that has its own.
#include <cstdint>
#include <functional>
#include <vector>

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
    // Each claimer's own number.
    using Id = int;
    virtual ~GlobalHotkey() = default;
    // Claims the combination under the id, replacing what the id held
    // before; pressed runs when it is pressed. False when another program
    // holds the combination.
    virtual bool claim(Id id, const HotkeyCombination& combination, std::function<void()> pressed) = 0;
    virtual void release(Id id) = 0;
    // The combinations the program holds now.
    virtual std::vector<HotkeyCombination> held() const = 0;
    // Lets keystrokes through that press the combinations (the program's own,
    // or the user's in the Options dialog's hotkey field), and claims them
    // again afterwards. Suspensions nest: the combinations are claimed again
    // at the resume() of the last one. A combination claimed meanwhile is
    // tried at once (another program may hold it) and held from then on.
    virtual void suspend() = 0;
    virtual void resume() = 0;
};

// The main window's on/off hotkey.
inline constexpr GlobalHotkey::Id kMainHotkeyId = 1;

}  // namespace mw
