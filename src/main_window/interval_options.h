#pragma once
// The ten interval options, as data: the row text the interval list shows,
// the seconds, and whether a turn types the whole key text or one character.
#include <array>
#include <cstdint>
#include <string>

#include "platform/locale.h"
#include "typing/schedule.h"

namespace mw {

struct IntervalOption {
    const char* text;
    // 0 for the "every x seconds" options: the seconds the user entered.
    std::int32_t seconds;
    bool oneCharacter;
    bool asksForSeconds() const { return seconds == 0; }
};

inline constexpr std::array<IntervalOption, 10> kIntervalOptions{{
    {"Type 'Keys' every 1 second", 1, false},
    {"Type 'Keys' every 5 seconds", 5, false},
    {"Type 'Keys' every 10 seconds", 10, false},
    {"Type 'Keys' every 60 seconds", 60, false},
    {"Type 'Keys' every x seconds", 0, false},
    {"Type one character of 'Keys' every 1 second", 1, true},
    {"Type one character of 'Keys' every 5 seconds", 5, true},
    {"Type one character of 'Keys' every 10 seconds", 10, true},
    {"Type one character of 'Keys' every 60 seconds", 60, true},
    {"Type one character of 'Keys' every x seconds", 0, true},
}};

// The option at a 1-based row of the interval list; a Failure ("Index out of
// bounds") for a row that does not exist.
const IntervalOption& intervalOption(int row);

// The interval the option chooses.
inline Interval intervalOf(const IntervalOption& option) { return Interval{option.seconds, option.oneCharacter}; }

// An answer to the seconds prompt that the schedule can use: a number that
// converts to 1..32767 seconds. 0 or less would never come due, and a larger
// one does not fit the 16-bit value that holds it.
bool isUsableCustomSeconds(const std::string& answer, const LocaleFormat& locale);

}  // namespace mw
