#pragma once
// The runtime's number helpers: the numeric test of typed answers, conversion
// to a 16-bit integer, and seconds as a clock time.
#include <cstdint>
#include <string>

#include "platform/locale.h"

namespace mw {

// Optional blanks, an optional sign, digits with the locale's decimal and
// thousands separators, an optional exponent, optional blanks.
bool isNumeric(const std::string& text, const LocaleFormat& locale);

// The number, rounded to a whole number with halves to the even one. Raises
// "Type mismatch" for text that is not numeric and "Overflow" outside
// -32768..32767.
std::int16_t toInteger16(const std::string& text, const LocaleFormat& locale);

// The absolute value of the seconds modulo a day as hh:mm:ss, joined by the
// locale's time separator.
std::string SecondsToHms(std::int32_t seconds, const std::string& timeSeparator);

}  // namespace mw
