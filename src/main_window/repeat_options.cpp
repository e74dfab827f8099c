#include "main_window/repeat_options.h"

#include <cctype>

namespace mw {

std::optional<int> wholeNumberIn(const std::string& text, int min, int max)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    if (begin == end || end - begin > 9) return std::nullopt;
    long long value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (value < min || value > max) return std::nullopt;
    return static_cast<int>(value);
}

std::string outOfRangeMessage(const NumberOption& option)
{
    return std::string(option.name) + " must be a whole number of " + option.unit + " from " +
           std::to_string(option.min) + " to " + std::to_string(option.max) + ".";
}

RepeatOptions loadRepeatOptions(SettingsStore& settings)
{
    RepeatOptions options;
    for (const NumberOption& option : kNumberOptions)
        if (const auto value = wholeNumberIn(settings.read(option.setting, ""), option.min, option.max))
            options.*option.value = *value;
    for (const SwitchOption& option : kSwitchOptions) options.*option.value = settings.read(option.setting, "Off") == "On";
    return options;
}

void storeRepeatOptions(SettingsStore& settings, const RepeatOptions& before, const RepeatOptions& after)
{
    for (const NumberOption& option : kNumberOptions)
        if (before.*option.value != after.*option.value)
            settings.write(option.setting, std::to_string(after.*option.value));
    for (const SwitchOption& option : kSwitchOptions)
        if (before.*option.value != after.*option.value) settings.write(option.setting, after.*option.value ? "On" : "Off");
}

SessionOptions sessionOptions(const RepeatOptions& options)
{
    SessionOptions session;
    session.jitterSeconds = options.jitterSeconds;
    session.stopRules = {options.stopAfterTurns, options.stopAfterMinutes};
    session.turns.keyDelayMs = options.keyDelayMs;
    session.turns.keyHoldMs = options.keyHoldMs;
    session.turns.background = options.backgroundTyping;
    session.turns.giveFocusBack = options.giveFocusBack;
    session.turns.waitForIdleMs = options.waitForIdleSeconds * 1000;
    return session;
}

}  // namespace mw
