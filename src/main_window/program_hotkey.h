#pragma once
// The program's on/off hotkey, as the setting "Hotkey" names it, claimed from
// the system for the program.
#include <optional>

#include "platform/dialogs.h"
#include "platform/global_hotkey.h"
#include "platform/settings_store.h"
#include "typing/hotkey.h"

namespace mw {

class ProgramHotkey {
public:
    ProgramHotkey(SettingsStore& settings, GlobalHotkey& hotkey, Dialogs& dialogs)
        : settings_(settings), hotkey_(hotkey), dialogs_(dialogs)
    {
    }
    // Reads the setting and claims the combination it names instead of the
    // one claimed before (none when the user switched the hotkey off); pressed
    // runs when it is pressed. A value that names none is reported, and the
    // default used.
    void setUp(std::function<void()> pressed);
    void release();

    // The combination the setting names, held by this program or not.
    const std::optional<HotkeyCombination>& combination() const { return combination_; }
    // Another program holds it: the program works without it.
    bool taken() const { return taken_; }
    // The combination the program holds, which its own keys must not press.
    std::optional<HotkeyCombination> held() const { return taken_ ? std::nullopt : combination_; }
    HotkeyStatus status() const { return {combination_, taken_}; }

private:
    SettingsStore& settings_;
    GlobalHotkey& hotkey_;
    Dialogs& dialogs_;
    std::optional<HotkeyCombination> combination_;
    bool taken_ = false;
};

}  // namespace mw
