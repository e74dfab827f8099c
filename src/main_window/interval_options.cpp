#include "main_window/interval_options.h"

#include "platform/failure.h"
#include "shell/numbers.h"

namespace mw {

std::int32_t intervalSecondsOf(const std::string& optionText, std::int32_t customSeconds)
{
    // The first substring found decides, in this order. "every 1 second" does
    // not match "every 10 seconds": the 1 must be followed by a blank.
    struct Rule {
        const char* substring;
        std::int32_t seconds;
    };
    static constexpr Rule kRules[] = {
        {"every 1 second", 1}, {"every 5 seconds", 5}, {"every 10 seconds", 10}, {"every 60 seconds", 60}};
    for (const Rule& rule : kRules)
        if (optionText.find(rule.substring) != std::string::npos) return rule.seconds;
    if (isCustomSecondsOption(optionText)) return customSeconds;
    return 0;
}

bool isOneCharacterOption(const std::string& optionText)
{
    return optionText.find("character") != std::string::npos;
}

bool isCustomSecondsOption(const std::string& optionText)
{
    return optionText.find(kCustomSecondsMarker) != std::string::npos;
}

bool isUsableCustomSeconds(const std::string& answer, const LocaleFormat& locale)
{
    if (!isNumeric(answer, locale)) return false;
    try {
        return toInteger16(answer, locale) >= 1;
    } catch (const Failure&) {
        return false;  // beyond the 16-bit range
    }
}

}  // namespace mw
