#include "help/form2.h"

#include "shell/error_dialog.h"
#include "shell/pointer.h"
#include "shell/skin.h"
#include "typing/key_table.h"

namespace mw {

Form2::Form2(const Form2Controls& controls, const Services& services) : c_(controls), s_(services)
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
    for (const SpecialKey& key : kSpecialKeys) {
        int position = 0;
        steps.step(line, [&] { position = c_.ListView1.addRow(std::string(key.helpKey)); });
        // A row that could not be added gets no command: it would land in another row.
        if (position > 0) steps.step(line + 2, [&] { c_.ListView1.setSubItem(position, helpCommand(key)); });
        line += 4;
    }
    // Beyond the special keys: the pause inside a turn.
    int position = 0;
    steps.step(line, [&] { position = c_.ListView1.addRow(kDelayHelpKey); });
    if (position > 0) steps.step(line + 2, [&] { c_.ListView1.setSubItem(position, kDelayHelpCommand); });
}

void Form2::PushButton1_Click()
{
    NumberedSteps steps(s_.dialogs, "Form2.PushButton1_Click");
    steps.step(100, [&] { c_.form.close(); });
}

}  // namespace mw
