#include "help/form2.h"

#include "shell/error_dialog.h"
#include "shell/pointer.h"
#include "shell/skin.h"
#include "typing/key_table.h"

namespace mw {

std::string hotkeyHelpCommand(const HotkeyStatus& hotkey)
{
    if (!hotkey.combination) return "none (the Options dialog sets one)";
    const std::string shown = hotkeyText(*hotkey.combination);
    if (hotkey.taken) return shown + " is held by another program";
    return shown + " turns typing on or off";
}

Form2::Form2(const Form2Controls& controls, const Services& services, const HotkeyStatus& hotkey)
    : c_(controls), s_(services), hotkey_(hotkey)
{
    c_.PushButton1.onClick = [this] { PushButton1_Click(); };
    c_.PushButton1.onMouseMove = [this] { pointTo(MousePointer::Custom); };
    c_.ListView1.onMouseMove = [this] { pointTo(MousePointer::Default); };
    c_.form.onMouseMove = [this] { pointTo(MousePointer::Default); };
}

void Form2::pointTo(MousePointer pointer) { hoverPointer(c_.form, pointer); }

void Form2::Form_Load()
{
    NumberedSteps steps(s_.dialogs, "Form2.Form_Load");
    steps.step(100, [&] {
        BackColored* const plain[] = {&c_.Label1};
        RecolorForm(c_.form, plain);
    });
    // The window's icon is the program's, given when the window is made.
    steps.step(102, [&] {
        const std::string cursor = s_.files.programFolder() + kCursorFileName;
        if (s_.files.exists(cursor)) c_.form.loadCustomPointer(cursor);
    });
    steps.step(106, [&] { c_.ListView1.addColumn("Key"); });
    steps.step(108, [&] { c_.ListView1.addColumn("Command"); });
    steps.step(110, [&] { c_.ListView1.setColumnWidth(1, 2000); });
    steps.step(112, [&] { c_.ListView1.setColumnWidth(2, 3600); });
    steps.step(114, [&] { c_.Label1.setBackColor(kWhite); });
    int line = 116;
    const auto addRow = [&](const std::string& key, const std::string& command) {
        int position = 0;
        steps.step(line, [&] { position = c_.ListView1.addRow(key); });
        // A row that could not be added gets no command: it would land in another row.
        if (position > 0) steps.step(line + 2, [&] { c_.ListView1.setSubItem(position, command); });
        line += 4;
    };
    for (const SpecialKey& key : kSpecialKeys) addRow(std::string(key.helpKey), helpCommand(key));
    // Below the special keys, the rest of the notation and the hotkey.
    for (const HelpRow& row : kNotationHelpRows) addRow(row.key, row.command);
    addRow(kHotkeyHelpKey, hotkeyHelpCommand(hotkey_));
}

void Form2::PushButton1_Click()
{
    NumberedSteps steps(s_.dialogs, "Form2.PushButton1_Click");
    steps.step(100, [&] { c_.form.close(); });
}

}  // namespace mw
