#include "typing/hotkey.h"

#include "platform/failure.h"
#include "typing/key_notation.h"
#include "typing/key_table.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

// Letters and digits have the virtual key of their capital character on
// every layout; other characters depend on the layout and make no hotkey.
std::optional<std::uint16_t> keyOfCharacter(char32_t character)
{
    if (character >= 'a' && character <= 'z') return static_cast<std::uint16_t>(character - 'a' + 'A');
    if ((character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9'))
        return static_cast<std::uint16_t>(character);
    return std::nullopt;
}

std::optional<std::uint16_t> keyOf(const KeyEvent& event)
{
    if (event.kind == KeyEvent::Kind::Character) return keyOfCharacter(event.character);
    if (event.kind == KeyEvent::Kind::Delay) return std::nullopt;
    return event.virtualKey;
}

}  // namespace

std::optional<HotkeyCombination> parseHotkey(const std::string& notation)
{
    std::vector<KeyEvent> events;
    try {
        events = parseKeyString(notation);
    } catch (const Failure&) {
        return std::nullopt;
    }
    // Modifiers down, the key down and up, the modifiers up: nothing else.
    HotkeyCombination combination;
    std::size_t i = 0;
    for (; i < events.size() && events[i].kind == KeyEvent::Kind::VirtualKey && vk::isModifier(events[i].virtualKey);
         ++i) {
        combination.shift |= events[i].virtualKey == vk::kShift;
        combination.control |= events[i].virtualKey == vk::kControl;
        combination.alt |= events[i].virtualKey == vk::kMenu;
    }
    const std::size_t modifiers = i;
    if (events.size() != 2 * modifiers + 2 || !(combination.control || combination.alt)) return std::nullopt;
    const std::optional<std::uint16_t> key = keyOf(events[i]);
    if (!key || vk::isModifier(*key)) return std::nullopt;
    combination.virtualKey = *key;
    return combination;
}

HotkeySetting readHotkeySetting(const std::string& written)
{
    if (written.empty()) return {};
    if (auto combination = parseHotkey(written)) return {combination, {}};
    const HotkeyCombination fallback = *parseHotkey(kDefaultHotkey);
    return {fallback, "The setting \"Hotkey\" holds \"" + written +
                          "\", which is not one key with Ctrl or Alt (such as ^%{F11}). " + hotkeyText(fallback) +
                          " turns automatic typing on and off instead."};
}

std::string hotkeyText(const HotkeyCombination& combination)
{
    std::string text;
    if (combination.control) text += "Ctrl+";
    if (combination.alt) text += "Alt+";
    if (combination.shift) text += "Shift+";
    if (const SpecialKey* key = findSpecialKey(combination.virtualKey)) return text + std::string(key->shown);
    return text + static_cast<char>(combination.virtualKey);
}

bool pressesHotkey(const std::vector<KeyInput>& inputs, const HotkeyCombination& combination)
{
    bool control = false, alt = false;
    for (const KeyInput& input : inputs) {
        if (input.unicode) continue;
        if (input.virtualKey == vk::kControl) control = !input.up;
        if (input.virtualKey == vk::kMenu) alt = !input.up;
        if (!input.up && input.virtualKey == combination.virtualKey && control >= combination.control &&
            alt >= combination.alt)
            return true;
    }
    return false;
}

}  // namespace mw
