#include "main_window/options_dialog.h"

#include "shell/error_dialog.h"
#include "shell/product.h"
#include "shell/skin.h"
#include "typing/hotkey.h"

namespace mw {

OptionsDialog::OptionsDialog(const OptionsDialogControls& controls, const Services& services)
    : c_(controls), s_(services)
{
    c_.ok.onClick = [this] { OK_Click(); };
    c_.cancel.onClick = [this] { Cancel_Click(); };
}

void OptionsDialog::Form_Load()
{
    NumberedSteps steps(s_.dialogs, "Options.Form_Load");
    steps.step(100, [&] {
        BackColored* const plain[] = {c_.switches[0], c_.switches[1]};
        RecolorForm(c_.form, plain);
    });
    // A stored hotkey that names no combination is shown as the one the
    // program uses instead, the default.
    steps.step(102, [&] {
        storedHotkey_ = s_.settings.read(setting::kHotkey, kDefaultHotkey);
        const bool usable = storedHotkey_.empty() || parseHotkey(storedHotkey_);
        c_.hotkey.setText(usable ? storedHotkey_ : kDefaultHotkey);
    });
    steps.step(104, [&] { before_ = loadRepeatOptions(s_.settings); });
    // Even after a failed read every field shows a value, the default.
    steps.step(106, [&] {
        for (std::size_t i = 0; i < kNumberOptions.size(); ++i)
            c_.numbers[i]->setText(std::to_string(before_.*kNumberOptions[i].value));
        for (std::size_t i = 0; i < kSwitchOptions.size(); ++i)
            c_.switches[i]->setChecked(before_.*kSwitchOptions[i].value);
    });
    steps.step(108, [&] { c_.hotkey.setFocus(); });
}

void OptionsDialog::refuse(TextBox& field, const std::string& message)
{
    s_.dialogs.warning(message, kOptionsTitle);
    field.setFocus();
}

void OptionsDialog::OK_Click()
{
    const std::string hotkey = c_.hotkey.text();
    if (!hotkey.empty() && !parseHotkey(hotkey)) return refuse(c_.hotkey, kHotkeyFieldMessage);
    RepeatOptions after = before_;
    for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
        const NumberOption& option = kNumberOptions[i];
        const auto value = wholeNumberIn(c_.numbers[i]->text(), option.min, option.max);
        if (!value) return refuse(*c_.numbers[i], outOfRangeMessage(option));
        after.*option.value = *value;
    }
    for (std::size_t i = 0; i < kSwitchOptions.size(); ++i)
        after.*kSwitchOptions[i].value = c_.switches[i]->checked();

    // From here the store may hold new values, even if a write fails: the
    // caller reads back what it holds.
    stored_ = true;
    NumberedSteps steps(s_.dialogs, "Options.OK_Click");
    steps.step(100, [&] {
        if (hotkey != storedHotkey_) s_.settings.write(setting::kHotkey, hotkey);
    });
    steps.step(102, [&] { storeRepeatOptions(s_.settings, before_, after); });
    steps.step(104, [&] { c_.form.close(); });
}

void OptionsDialog::Cancel_Click()
{
    NumberedSteps steps(s_.dialogs, "Options.Cancel_Click");
    steps.step(100, [&] { c_.form.close(); });
}

}  // namespace mw
