#include "shell/hotkey_field.h"

namespace mw {

HotkeyFieldHold::HotkeyFieldHold(HotkeyBox& field, GlobalHotkey& hotkeys) : field_(field), hotkeys_(hotkeys)
{
    field_.onFocusChange = [this](bool focused) { hold(focused); };
}

HotkeyFieldHold::~HotkeyFieldHold()
{
    field_.onFocusChange = nullptr;
    hold(false);
}

void HotkeyFieldHold::hold(bool held)
{
    if (held == held_) return;
    held_ = held;
    if (held)
        hotkeys_.suspend();
    else
        hotkeys_.resume();
}

}  // namespace mw
