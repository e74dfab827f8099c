#pragma once
// While a hotkey field has the keyboard focus, the program's hotkeys let
// their keys through, so that the user can press one of them into the field
// (to keep it, or to see it refused) instead of switching typing.
#include "platform/controls.h"
#include "platform/global_hotkey.h"

namespace mw {

class HotkeyFieldHold {
public:
    HotkeyFieldHold(HotkeyBox& field, GlobalHotkey& hotkeys);
    // The field may outlive its dialog (its window goes after it) and still
    // lose the focus: the hotkeys are claimed again now.
    ~HotkeyFieldHold();
    HotkeyFieldHold(const HotkeyFieldHold&) = delete;
    HotkeyFieldHold& operator=(const HotkeyFieldHold&) = delete;

private:
    void hold(bool held);

    HotkeyBox& field_;
    GlobalHotkey& hotkeys_;
    bool held_ = false;
};

}  // namespace mw
