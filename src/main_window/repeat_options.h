#pragma once
// How turns repeat and how keys go in, beyond the interval: the values the
// Options dialog edits, each stored under a setting of its own. An absent or
// unusable stored value is the default, which is how the program behaved
// before the option existed.
#include <array>
#include <optional>
#include <string>

#include "platform/settings_store.h"
#include "typing/auto_typing.h"

namespace mw {

struct RepeatOptions {
    int jitterSeconds = 0;       // each interval varies by up to this much either way
    int stopAfterTurns = 0;      // 0: never
    int stopAfterMinutes = 0;    // 0: never
    int keyDelayMs = 0;          // between keys; 0: as fast as the target takes them
    int keyHoldMs = 0;           // how long each key is held down
    bool giveFocusBack = false;  // the window the user was in gets the foreground back
    int waitForIdleSeconds = 0;  // a turn waits until the user has been idle this long
    bool backgroundTyping = false;  // keys posted to the target, which is neither raised nor shown
    bool operator==(const RepeatOptions&) const = default;
};

// A whole-number option: its setting, the name the dialog gives it, its range
// and unit.
struct NumberOption {
    const char* setting;
    const char* name;
    int min, max;
    const char* unit;
    int RepeatOptions::*value;
};
inline constexpr std::array<NumberOption, 6> kNumberOptions{{
    {"Jitter", "Jitter", 0, 3600, "seconds", &RepeatOptions::jitterSeconds},
    {"StopAfterTurns", "Stop after turns", 0, 1000000, "turns", &RepeatOptions::stopAfterTurns},
    {"StopAfterMinutes", "Stop after minutes", 0, 10080, "minutes", &RepeatOptions::stopAfterMinutes},
    {"KeyDelay", "Delay between keys", 0, 10000, "milliseconds", &RepeatOptions::keyDelayMs},
    {"KeyHold", "Hold each key", 0, 1000, "milliseconds", &RepeatOptions::keyHoldMs},
    {"WaitForIdle", "Wait until idle", 0, 600, "seconds", &RepeatOptions::waitForIdleSeconds},
}};

// An on/off option, stored as "On" or "Off".
struct SwitchOption {
    const char* setting;
    const char* name;
    bool RepeatOptions::*value;
};
inline constexpr std::array<SwitchOption, 2> kSwitchOptions{{
    {"GiveFocusBack", "Give the focus back", &RepeatOptions::giveFocusBack},
    {"BackgroundTyping", "Type in the background", &RepeatOptions::backgroundTyping},
}};

// A whole number in decimal digits (blanks around allowed) within the range,
// or nothing.
std::optional<int> wholeNumberIn(const std::string& text, int min, int max);

// What the user is told when a field holds no usable value: its name and
// range, "Jitter must be a whole number of seconds from 0 to 3600."
std::string outOfRangeMessage(const NumberOption& option);

RepeatOptions loadRepeatOptions(SettingsStore& settings);
// Writes the values that differ from before, so that an option the user left
// alone stays absent and keeps following the default.
void storeRepeatOptions(SettingsStore& settings, const RepeatOptions& before, const RepeatOptions& after);

// How the main window's typing session goes with these options.
SessionOptions sessionOptions(const RepeatOptions& options);

}  // namespace mw
