#include "main_window/form1.h"

#include "main_window/interval_options.h"
#include "shell/error_dialog.h"
#include "shell/product.h"

namespace mw {

Form1::Form1(const Form1Controls& controls, const Services& services, ProgramState& program)
    : c_(controls), s_(services), program_(program)
{
    c_.Text2.onChange = [this] { Text2_Change(); };
    c_.PushButton1.onClick = [this] { PushButton1_Click(); };
    c_.PushButton2.onClick = [this] { PushButton2_Click(); };
}

WindowListContext Form1::windowListContext() const
{
    return WindowListContext{s_.windows, s_.dialogs, program_.MainWindowHandle};
}

TypingContext Form1::typingContext() { return TypingContext{s_, program_.MainWindowHandle}; }

void Form1::Form_Load()
{
    NumberedSteps steps(s_.dialogs, "Form1.Form_Load");
    steps.step(126, [&] { program_.MainWindowHandle = c_.form.handle(); });
    steps.step(128, [&] { program_.CustomSeconds = 0; });
    steps.step(130, [&] { c_.form.setCaption(kProductTitle); });
    steps.step(136, [&] { c_.Text2.setText(s_.settings.read(setting::kTextbox, kDefaultKeyText)); });
    steps.step(138, [&] { c_.ListView1.addColumn("Select One Application To Type Into"); });
    steps.step(140, [&] { c_.ListView1.addColumn("Handle"); });
    steps.step(142, [&] { c_.ListView1.setColumnWidth(1, 7000); });
    steps.step(144, [&] { c_.ListView1.setColumnWidth(2, 1); });
    steps.step(146, [&] { getAllWindows(windowListContext(), c_.ListView1); });
    steps.step(148, [&] { c_.ListView2.addColumn("How often would you like to type keys?"); });
    steps.step(150, [&] { c_.ListView2.setColumnWidth(1, 5000); });
    int line = 152;
    for (const char* option : kIntervalOptions) {
        steps.step(line, [&] { c_.ListView2.addRow(option); });
        line += 2;
    }
}

void Form1::Text2_Change()
{
    // A failing settings write is reported like any handler's failure, so the
    // user learns that the text was not stored; the position resets regardless.
    NumberedSteps steps(s_.dialogs, "Form1.Text2_Change");
    std::string text;
    steps.step(100, [&] { text = c_.Text2.text(); });
    steps.step(102, [&] { s_.settings.write(setting::kTextbox, text); });
    steps.step(104, [&] { CharPosition = 1; });
}

void Form1::PushButton1_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.PushButton1_Click");
    steps.step(100, [&] { getAllWindows(windowListContext(), c_.ListView1); });
}

}  // namespace mw

namespace mw {

void Form1::PushButton2_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.PushButton2_Click");
    if (!steps.test(100, [&] { return c_.ListView1.count() > 0; })) return;
    steps.step(102, [&] { c_.form.setMousePointer(MousePointer::Hourglass); });
    steps.step(104, [&] { TypeTextbox(typingContext(), c_.ListView1, c_.Frame2, c_.Text2.text()); });
    steps.step(106, [&] { c_.form.setMousePointer(MousePointer::Default); });
    steps.step(108, [&] { c_.ProgressBar1.setValue(0); });
}

}  // namespace mw
