#include "typing/hotkey.h"

#include <algorithm>
#include <array>
#include <string_view>

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

// The shortcuts programs commonly use. With Ctrl, or Ctrl+Shift: select all,
// copy, paste, cut, undo, redo, save, print, find, new, open, close and new
// tab.
constexpr std::string_view kControlLetters = "ACVXZYSPFNOWT";
// And without Ctrl: Alt+F4 closes a window, Alt+Tab switches windows, F1
// opens a program's help.
constexpr std::array<HotkeyCombination, 3> kOtherShortcuts{{
    {.alt = true, .virtualKey = vk::kF1 + 3},
    {.alt = true, .virtualKey = vk::kTab},
    {.virtualKey = vk::kF1},
}};

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

std::optional<std::string> hotkeyNotation(const HotkeyCombination& combination)
{
    if (!combination.control && !combination.alt) return std::nullopt;
    std::string key;
    const std::uint16_t code = combination.virtualKey;
    if (code >= 'A' && code <= 'Z')
        key = static_cast<char>(code - 'A' + 'a');
    else if (code >= '0' && code <= '9')
        key = static_cast<char>(code);
    else if (const SpecialKey* special = findSpecialKey(code); special && !special->modifierCode)
        key.append("{").append(special->codes[0]).append("}");
    else
        return std::nullopt;
    std::string notation;
    if (combination.shift) notation += '+';
    if (combination.control) notation += '^';
    if (combination.alt) notation += '%';
    return notation + key;
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

bool isCommonShortcut(const HotkeyCombination& combination)
{
    if (combination.control && !combination.alt)
        return combination.virtualKey < 0x80 &&
               kControlLetters.find(static_cast<char>(combination.virtualKey)) != std::string_view::npos;
    return std::find(kOtherShortcuts.begin(), kOtherShortcuts.end(), combination) != kOtherShortcuts.end();
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
