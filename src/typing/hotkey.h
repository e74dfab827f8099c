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

// The setting "Hotkey" as written: the combination it names (none when the
// user switched the hotkey off with an empty value), and, for a value that
// names none, what the user is told and the default used instead.
struct HotkeySetting {
    std::optional<HotkeyCombination> combination;
    std::string complaint;
};
HotkeySetting readHotkeySetting(const std::string& written);

// As menus show it: "Ctrl+Alt+F11".
std::string hotkeyText(const HotkeyCombination& combination);

// Whether the inputs, as the target's layout made them, press the
// combination's key while its Ctrl and Alt are down: the program's own keys
// would then trigger it. A character can do so by itself, as AltGr
// characters go in with Ctrl and Alt.
bool pressesHotkey(const std::vector<KeyInput>& inputs, const HotkeyCombination& combination);

}  // namespace mw
