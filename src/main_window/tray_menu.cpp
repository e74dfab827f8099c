#include "main_window/tray_menu.h"

#include "main_window/options_dialog.h"
#include "typing/hotkey.h"

namespace mw {

TrayCommand TrayMenu::commandAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(commands.size())) return TrayCommand::None;
    return commands[static_cast<std::size_t>(index)];
}

TrayMenu trayMenu(const TrayMenuState& state)
{
    TrayMenu menu;
    const auto add = [&](TrayMenuItem item, TrayCommand command) {
        menu.items.push_back(std::move(item));
        menu.commands.push_back(command);
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
    add({"", false, true}, TrayCommand::None);
    add({kOptionsMenuText, free && !state.windowOpen}, TrayCommand::Options);
    add({"Exit"}, TrayCommand::Exit);
    if (state.hotkey && state.hotkeyTaken)
    {
        std::string note = "Hotkey ";
        note += hotkeyText(*state.hotkey);
        note += " is in use by another program";
        add({note, false}, TrayCommand::None);
    }
    return menu;
}

}  // namespace mw
