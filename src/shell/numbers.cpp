#include "shell/numbers.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/failure.h"

namespace mw {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWithAt(const std::string& text, std::size_t at, const std::string& part)
{
    return !part.empty() && text.compare(at, part.size(), part) == 0;
}

// The text as plain C-locale number text ("-1234.5e3"), or nothing when it is
// not numeric.
std::optional<std::string> canonical(const std::string& text, const LocaleFormat& locale)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    std::string out;
    while (i < n && isBlank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool digits = false, decimal = false;
    while (i < n) {
        if (isDigit(text[i])) {
            out += text[i++];
            digits = true;
        } else if (!decimal && startsWithAt(text, i, locale.decimalSeparator)) {
            out += '.';
            decimal = true;
            i += locale.decimalSeparator.size();
        } else if (!decimal && digits && startsWithAt(text, i, locale.thousandsSeparator)) {
            i += locale.thousandsSeparator.size();  // grouping, ignored
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
        bool exponentDigits = false;
        while (i < n && isDigit(text[i])) {
            exponent += text[i++];
            exponentDigits = true;
        }
        if (!exponentDigits) return std::nullopt;
        out += exponent;
    }
    while (i < n && isBlank(text[i])) ++i;
    if (i != n) return std::nullopt;
    return out;
}

}  // namespace

bool isNumeric(const std::string& text, const LocaleFormat& locale) { return canonical(text, locale).has_value(); }

std::int16_t toInteger16(const std::string& text, const LocaleFormat& locale)
{
    const auto plain = canonical(text, locale);
    if (!plain) fail(kTypeMismatch);
    const double value = std::strtod(plain->c_str(), nullptr);
    if (!std::isfinite(value)) fail(kOverflow);
    // Halves go to the even neighbour (2.5 -> 2, 3.5 -> 4), as the runtime rounds.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    if (rounded < -32768.0 || rounded > 32767.0) fail(kOverflow);
    return static_cast<std::int16_t>(rounded);
}

std::string SecondsToHms(std::int32_t seconds, const std::string& timeSeparator)
{
    const std::int64_t inDay = std::llabs(static_cast<std::int64_t>(seconds)) % 86400;
    char part[3][3];
    std::snprintf(part[0], sizeof part[0], "%02d", static_cast<int>(inDay / 3600));
    std::snprintf(part[1], sizeof part[1], "%02d", static_cast<int>(inDay / 60 % 60));
    std::snprintf(part[2], sizeof part[2], "%02d", static_cast<int>(inDay % 60));
    return std::string(part[0]) + timeSeparator + part[1] + timeSeparator + part[2];
}

}  // namespace mw
