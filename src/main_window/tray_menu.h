#pragma once
// The tray icon's menu as data: its lines as the program stands, and what
// the chosen line does.
#include <optional>
#include <string>
#include <vector>

#include "platform/global_hotkey.h"
#include "platform/notification_area.h"

namespace mw {

enum class TrayCommand { None, Show, TurnOnOrOff, TypeNow, Options, Exit };

struct TrayMenu {
    std::vector<TrayMenuItem> items;
    std::vector<TrayCommand> commands;  // one per item
    // What the item at a 0-based index does; None for a dismissed menu.
    TrayCommand commandAt(int index) const;
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
};

TrayMenu trayMenu(const TrayMenuState& state);

}  // namespace mw
