#pragma once
// The Options dialog's logic: it shows the hotkey and the repetition options
// as stored, checks every field when OK is pressed and stores only then, and
// only what the user changed. It is built afresh at every showing.
#include <array>
#include <string>

#include "main_window/repeat_options.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "shell/hotkey_field.h"

namespace mw {

// The line of the tray menu and of the system menu that opens the dialog.
inline constexpr const char* kOptionsMenuText = "Options\xE2\x80\xA6";
inline constexpr const char* kOptionsTitle = "Options";
// What the user is told when the Hotkey field holds a combination the key
// notation has no name for (Ctrl+Space, Ctrl+Alt+;).
inline constexpr const char* kHotkeyFieldMessage =
    "Hotkey must be Ctrl or Alt with a letter, a digit or a key the Help window lists, such as Ctrl+Alt+F11, "
    "or empty for no hotkey.";

// Asked on OK before a hotkey that programs commonly use is stored.
std::string commonShortcutQuestion(const HotkeyCombination& combination);

struct OptionsDialogControls {
    Form& form;
    HotkeyBox& hotkey;
    std::array<TextBox*, kNumberOptions.size()> numbers;    // in the order of kNumberOptions
    std::array<CheckBox*, kSwitchOptions.size()> switches;  // in the order of kSwitchOptions
    Button& ok;
    Button& cancel;
};

class OptionsDialog {
public:
    OptionsDialog(const OptionsDialogControls& controls, const Services& services);
    OptionsDialog(const OptionsDialog&) = delete;
    OptionsDialog& operator=(const OptionsDialog&) = delete;

    // Fills the fields from the settings and puts the focus on the first.
    void Form_Load();
    // Checks the fields top to bottom; the first that holds no usable value
    // is named with its range and gets the focus, and nothing is stored.
    // Then a new hotkey that programs commonly use is asked about; No leaves
    // the dialog open on the hotkey field with nothing stored. Otherwise
    // stores what changed and closes the dialog.
    void OK_Click();
    void Cancel_Click();

    // OK stored the fields: the caller reads the settings again.
    bool stored() const { return stored_; }

private:
    template <class Field>
    void refuse(Field& field, const std::string& message)
    {
        s_.dialogs.warning(message, kOptionsTitle);
        field.setFocus();
    }
    OptionsDialogControls c_;
    Services s_;
    std::string storedHotkey_;  // the setting as written, which may name no combination
    RepeatOptions before_;
    bool stored_ = false;
    HotkeyFieldHold hotkeyHold_;
};

}  // namespace mw
