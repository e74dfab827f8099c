#include "main_window/tray_menu.h"

#include "main_window/options_dialog.h"
#include "typing/hotkey.h"

namespace mw {

TrayChoice TrayMenu::choiceAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(choices.size())) return {};
    return choices[static_cast<std::size_t>(index)];
}

namespace {

// The "Sequences" submenu: each sequence, checked while on.
TrayMenuItem sequencesSubmenu(const TrayMenuState& state, std::vector<TrayChoice>& choices)
{
    TrayMenuItem item{kSequencesMenuText};
    choices.push_back({});
    for (const auto& [name, on] : state.sequences) {
        TrayMenuItem line{name, !state.dialogOpen};
        line.checked = on;
        item.submenu.push_back(std::move(line));
        choices.push_back({TrayCommand::ToggleSequence, name});
    }
    if (state.sequences.empty()) {
        item.submenu.push_back({kNoSequencesText, false});
        choices.push_back({});
    }
    return item;
}

}  // namespace

TrayMenu trayMenu(const TrayMenuState& state)
{
    TrayMenu menu;
    const auto add = [&](TrayMenuItem item, TrayCommand command) {
        menu.items.push_back(std::move(item));
        menu.choices.push_back({command, {}});
    };
    std::string onOff = state.typingOn ? "Turn Off" : "Turn On";
    if (state.hotkey && !state.hotkeyTaken) {
        onOff += '\t';
        onOff += hotkeyText(*state.hotkey);
    }
    const bool free = !state.dialogOpen;
    add({"Show"}, TrayCommand::Show);
    add({onOff, free}, TrayCommand::TurnOnOrOff);
    add({"Type Now (Test)", free}, TrayCommand::TypeNow);
    menu.items.push_back(sequencesSubmenu(state, menu.choices));
    add({"", false, true}, TrayCommand::None);
    add({kSequencesWindowMenuText}, TrayCommand::Sequences);
    add({kOptionsMenuText, free && !state.windowOpen}, TrayCommand::Options);
    add({"Exit"}, TrayCommand::Exit);
    if (state.hotkey && state.hotkeyTaken) {
        std::string note = "Hotkey ";
        note += hotkeyText(*state.hotkey);
        note += " is in use by another program";
        add({note, false}, TrayCommand::None);
    }
    return menu;
}

}  // namespace mw
