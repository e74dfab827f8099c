#pragma once
// A sequence: a named key text with its own interval, target rule, hotkey
// and way of typing, typed by a session of its own beside the main window's.
// As data, with the checks every field passes before it is stored.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sequences/target_rule.h"

namespace mw {

struct Sequence {
    std::string name;
    std::string keys;
    int every = 10;       // seconds between turns
    bool oneKey = false;  // one key of the text a turn, not the whole text
    TargetRule target;
    std::string hotkey;   // turns it on and off, in the key notation; empty: none
    bool on = false;
    int jitter = 0;
    int stopAfterTurns = 0;
    int stopAfterMinutes = 0;
    int keyDelay = 0;
    int keyHold = 0;
    bool background = false;
    bool operator==(const Sequence&) const = default;
};

inline constexpr std::size_t kMaxSequenceName = 40;

// The whole-number fields: the name the file and the store give them, the
// name the editor shows, the range and unit.
struct SequenceNumber {
    const char* member;
    const char* label;
    int min, max;
    const char* unit;
    int Sequence::*value;
};
inline constexpr std::array<SequenceNumber, 6> kSequenceNumbers{{
    {"every", "Every", 1, 86400, "seconds", &Sequence::every},
    {"jitter", "Jitter", 0, 3600, "seconds", &Sequence::jitter},
    {"stopAfterTurns", "Stop after turns", 0, 1000000, "turns", &Sequence::stopAfterTurns},
    {"stopAfterMinutes", "Stop after minutes", 0, 10080, "minutes", &Sequence::stopAfterMinutes},
    {"keyDelay", "Delay between keys", 0, 10000, "milliseconds", &Sequence::keyDelay},
    {"keyHold", "Hold each key", 0, 1000, "milliseconds", &Sequence::keyHold},
}};

// The fields a check can name, in the editor's order.
enum class SequenceField { Name, Keys, Every, Program, Title, WindowClass, Hotkey, Number };

struct SequenceProblem {
    SequenceField field;
    const SequenceNumber* number = nullptr;  // for Number
    std::string message;
};

// The first field, in the editor's order, that holds no usable value; the
// name must differ, ignoring case, from each of otherNames.
std::optional<SequenceProblem> checkSequence(const Sequence& sequence, const std::vector<std::string>& otherNames);

// "Every must be a whole number of seconds from 1 to 86400."
std::string rangeMessage(const SequenceNumber& number);

}  // namespace mw
