#pragma once
// The ten interval options. Seconds and mode are read back from an option's
// text, so the texts are part of the behaviour.
#include <array>
#include <cstdint>
#include <string>

#include "platform/locale.h"

namespace mw {

inline constexpr std::array<const char*, 10> kIntervalOptions{
    "Type 'Keys' every 1 second",
    "Type 'Keys' every 5 seconds",
    "Type 'Keys' every 10 seconds",
    "Type 'Keys' every 60 seconds",
    "Type 'Keys' every x seconds",
    "Type one character of 'Keys' every 1 second",
    "Type one character of 'Keys' every 5 seconds",
    "Type one character of 'Keys' every 10 seconds",
    "Type one character of 'Keys' every 60 seconds",
    "Type one character of 'Keys' every x seconds",
};

inline constexpr const char* kCustomSecondsMarker = "every x seconds";

// Seconds for an option's text; customSeconds for the "every x seconds" ones,
// 0 for a text that names no interval.
std::int32_t intervalSecondsOf(const std::string& optionText, std::int32_t customSeconds);
// One-character mode: the text contains "character".
bool isOneCharacterOption(const std::string& optionText);
bool isCustomSecondsOption(const std::string& optionText);
// An answer to the seconds prompt that the schedule can use: a number that
// converts to 1..32767 seconds. 0 or less would never come due, and a larger
// one does not fit the 16-bit value that holds it.
bool isUsableCustomSeconds(const std::string& answer, const LocaleFormat& locale);

}  // namespace mw
