#pragma once
// The special keys of the key notation, in one table: the brace codes the key
// text accepts for each, the name a hotkey shows for it, and the row the Help
// window lists, in the order the Help window lists them. The parser, the
// hotkey's text and the Help list all read it, so they cannot disagree.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "typing/virtual_keys.h"

namespace mw {

struct SpecialKey {
    std::uint16_t virtualKey;
    // The codes written in braces, the first the one the Help list names
    // first; unused places are empty.
    std::array<std::string_view, 3> codes;
    std::string_view helpKey;  // the Help list's "Key" column
    std::string_view shown;    // as a menu shows the key of a hotkey
    // "{SHIFT}", "{CTRL}" and "{ALT}" hold a modifier: the typing turn turns
    // them into "+", "^" and "%" before the key text is read, so they are no
    // key codes of their own.
    bool modifierCode = false;
};

inline constexpr std::array<SpecialKey, 43> kSpecialKeys{{
    {vk::kBack, {"BACKSPACE", "BS", "BKSP"}, "BACKSPACE", "Backspace"},
    {vk::kCancel, {"BREAK"}, "BREAK", "Break"},
    {vk::kCapital, {"CAPSLOCK"}, "CAPS LOCK", "Caps Lock"},
    {vk::kDelete, {"DELETE", "DEL"}, "DEL or DELETE", "Del"},
    {vk::kDown, {"DOWN"}, "DOWN ARROW", "Down"},
    {vk::kEnd, {"END"}, "END", "End"},
    {vk::kReturn, {"ENTER"}, "ENTER", "Enter"},
    {vk::kEscape, {"ESC"}, "ESC", "Esc"},
    {vk::kHelp, {"HELP"}, "HELP", "Help"},
    {vk::kHome, {"HOME"}, "HOME", "Home"},
    {vk::kInsert, {"INSERT", "INS"}, "INS or INSERT", "Ins"},
    {vk::kLeft, {"LEFT"}, "LEFT ARROW", "Left"},
    {vk::kNumLock, {"NUMLOCK"}, "NUM LOCK", "Num Lock"},
    {vk::kNext, {"PGDN"}, "PAGE DOWN", "Page Down"},
    {vk::kPrior, {"PGUP"}, "PAGE UP", "Page Up"},
    {vk::kSnapshot, {"PRTSC"}, "PRINT SCREEN", "Print Screen"},
    {vk::kRight, {"RIGHT"}, "RIGHT ARROW", "Right"},
    {vk::kScroll, {"SCROLLLOCK"}, "SCROLL LOCK", "Scroll Lock"},
    {vk::kTab, {"TAB"}, "TAB", "Tab"},
    {vk::kUp, {"UP"}, "UP ARROW", "Up"},
    {vk::kF1 + 0, {"F1"}, "F1", "F1"},
    {vk::kF1 + 1, {"F2"}, "F2", "F2"},
    {vk::kF1 + 2, {"F3"}, "F3", "F3"},
    {vk::kF1 + 3, {"F4"}, "F4", "F4"},
    {vk::kF1 + 4, {"F5"}, "F5", "F5"},
    {vk::kF1 + 5, {"F6"}, "F6", "F6"},
    {vk::kF1 + 6, {"F7"}, "F7", "F7"},
    {vk::kF1 + 7, {"F8"}, "F8", "F8"},
    {vk::kF1 + 8, {"F9"}, "F9", "F9"},
    {vk::kF1 + 9, {"F10"}, "F10", "F10"},
    {vk::kF1 + 10, {"F11"}, "F11", "F11"},
    {vk::kF1 + 11, {"F12"}, "F12", "F12"},
    {vk::kF1 + 12, {"F13"}, "F13", "F13"},
    {vk::kF1 + 13, {"F14"}, "F14", "F14"},
    {vk::kF1 + 14, {"F15"}, "F15", "F15"},
    {vk::kF1 + 15, {"F16"}, "F16", "F16"},
    {vk::kAdd, {"ADD"}, "Keypad add", "Num +"},
    {vk::kSubtract, {"SUBTRACT"}, "Keypad subtract", "Num -"},
    {vk::kMultiply, {"MULTIPLY"}, "Keypad multiply", "Num *"},
    {vk::kDivide, {"DIVIDE"}, "Keypad divide", "Num /"},
    {vk::kShift, {"SHIFT"}, "SHIFT", "Shift", true},
    {vk::kControl, {"CTRL"}, "CTRL", "Ctrl", true},
    {vk::kMenu, {"ALT"}, "ALT", "Alt", true},
}};

// The key a brace code names, any case ("enter", "Enter"); null for a code
// that names no key, the modifier codes included.
const SpecialKey* findKeyCode(std::string_view code);

// The special key with this virtual key, or null.
const SpecialKey* findSpecialKey(std::uint16_t virtualKey);

// The Help list's "Command" column: "{DELETE} or {DEL}", "{BACKSPACE}, {BS},
// or {BKSP}".
std::string helpCommand(const SpecialKey& key);

}  // namespace mw
