#include "main_window/options_dialog.h"

#include "shell/error_dialog.h"
#include "shell/product.h"
#include "shell/skin.h"
#include "typing/hotkey.h"

namespace mw {

std::string commonShortcutQuestion(const HotkeyCombination& combination)
{
    return hotkeyText(combination) + " is a shortcut most programs use; while " + std::string(kApplicationName) +
           " holds it, pressing it turns typing on or off instead. Use it anyway?";
}

OptionsDialog::OptionsDialog(const OptionsDialogControls& controls, const Services& services)
    : c_(controls), s_(services), hotkeyHold_(c_.hotkey, s_.hotkey)
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
        c_.hotkey.setCombination(readHotkeySetting(storedHotkey_).combination);
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

void OptionsDialog::OK_Click()
{
    const std::optional<HotkeyCombination> combination = c_.hotkey.combination();
    const std::optional<std::string> hotkey = combination ? hotkeyNotation(*combination) : std::string();
    if (!hotkey) return refuse(c_.hotkey, kHotkeyFieldMessage);
    RepeatOptions after = before_;
    for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
        const NumberOption& option = kNumberOptions[i];
        const auto value = wholeNumberIn(c_.numbers[i]->text(), option.min, option.max);
        if (!value) return refuse(*c_.numbers[i], outOfRangeMessage(option));
        after.*option.value = *value;
    }
    for (std::size_t i = 0; i < kSwitchOptions.size(); ++i)
        after.*kSwitchOptions[i].value = c_.switches[i]->checked();
    // The setting stays as written while it names the combination shown.
    const HotkeySetting stored = readHotkeySetting(storedHotkey_);
    const bool hotkeyChanged = !stored.complaint.empty() || stored.combination != combination;
    if (hotkeyChanged && combination && isCommonShortcut(*combination) &&
        !s_.dialogs.question(commonShortcutQuestion(*combination), kOptionsTitle))
        return c_.hotkey.setFocus();

    // From here the store may hold new values, even if a write fails: the
    // caller reads back what it holds.
    stored_ = true;
    NumberedSteps steps(s_.dialogs, "Options.OK_Click");
    steps.step(100, [&] {
        if (hotkeyChanged) s_.settings.write(setting::kHotkey, *hotkey);
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
