#pragma once
// The on/off hotkey as the user writes it, in the key notation: one key with
// Ctrl and/or Alt ("^%{F11}", "^%k"), Shift allowed besides.
#include <optional>
#include <string>
#include <vector>

#include "platform/global_hotkey.h"
#include "platform/key_injection.h"

namespace mw {

inline constexpr const char* kDefaultHotkey = "^%{F11}";

// The combination the notation presses, or nothing when it is not one key
// with Ctrl or Alt: a plain or Shift-only key would be taken from every
// program the user types in.
std::optional<HotkeyCombination> parseHotkey(const std::string& notation);

// The hotkey as the program holds it: the combination its setting names (none
// when the user switched it off), and whether another program holds it
// instead, so that the program works without it.
struct HotkeyStatus {
    std::optional<HotkeyCombination> combination;
    bool taken = false;
};

// The setting "Hotkey" as written: the combination it names (none when the
// user switched the hotkey off with an empty value), and, for a value that
// names none, what the user is told and the default used instead.
struct HotkeySetting {
    std::optional<HotkeyCombination> combination;
    std::string complaint;
};
HotkeySetting readHotkeySetting(const std::string& written);

// The combination in the key notation, as the setting "Hotkey" holds it:
// "^%{F12}" for Ctrl+Alt+F12, "+^k" for Ctrl+Shift+K. parseHotkey reads it
// back as the same combination. Nothing for a combination that parseHotkey
// would refuse: no Ctrl or Alt, or a key the notation has no name for (Space,
// the punctuation keys, the keypad's digits).
std::optional<std::string> hotkeyNotation(const HotkeyCombination& combination);

// As menus show it: "Ctrl+Alt+F11".
std::string hotkeyText(const HotkeyCombination& combination);

// A shortcut most programs have (Ctrl+V pastes, Alt+F4 closes): held as the
// program's hotkey, it would stop doing that in every program.
bool isCommonShortcut(const HotkeyCombination& combination);

// Whether the inputs, as the target's layout made them, press the
// combination's key while its Ctrl and Alt are down: the program's own keys
// would then trigger it. A character can do so by itself, as AltGr
// characters go in with Ctrl and Alt.
bool pressesHotkey(const std::vector<KeyInput>& inputs, const HotkeyCombination& combination);

}  // namespace mw
