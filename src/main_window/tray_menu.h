#pragma once
// The tray icon's menu as data: its lines as the program stands, and what
// the chosen line does.
#include <optional>
#include <string>
#include <vector>

#include "platform/global_hotkey.h"
#include "platform/notification_area.h"

namespace mw {

enum class TrayCommand { None, Show, TurnOnOrOff, TypeNow, ToggleSequence, Sequences, Options, Exit };

struct TrayChoice {
    TrayCommand command = TrayCommand::None;
    std::string sequence;  // for ToggleSequence
};

struct TrayMenu {
    std::vector<TrayMenuItem> items;
    // One per line, counted as the menu counts them (a submenu's lines right
    // after the line that opens it).
    std::vector<TrayChoice> choices;
    // What the line at that index does; None for a dismissed menu.
    TrayChoice choiceAt(int index) const;
};

struct TrayMenuState {
    bool typingOn = false;  // automatic typing is on: the menu offers "Turn Off"
    // The hotkey the program holds, or the one another program took from it.
    std::optional<HotkeyCombination> hotkey;
    bool hotkeyTaken = false;
    // One of the program's boxes waits for an answer: the actions it may be
    // part of wait too.
    bool dialogOpen = false;
    // The Help or the Options window is open: Options waits for it to close.
    bool windowOpen = false;
    // The sequences by name, and whether each is on.
    std::vector<std::pair<std::string, bool>> sequences;
};

inline constexpr const char* kSequencesMenuText = "Sequences";
inline constexpr const char* kSequencesWindowMenuText = "Sequences\xE2\x80\xA6";
inline constexpr const char* kNoSequencesText = "No sequences yet";

TrayMenu trayMenu(const TrayMenuState& state);

}  // namespace mw
