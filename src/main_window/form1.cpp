#include "main_window/form1.h"

#include <algorithm>

#include "help/form2.h"
#include "integration/start_up.h"
#include "main_window/hover_pointer.h"
#include "main_window/interval_options.h"
#include "shell/error_dialog.h"
#include "shell/numbers.h"
#include "shell/product.h"
#include "shell/skin.h"
#include "shell/utf8.h"

namespace mw {

Form1::Form1(const Form1Controls& controls, const Services& services, ProgramState& program)
    : cSysTray1(services.tray, services.clock, services.events), c_(controls), s_(services), program_(program)
{
    c_.form.onResize = [this] { Form_Resize(); };
    cSysTray1.MouseDblClick = [this](int button, int id) { cSysTray1_MouseDblClick(button, id); };
    c_.Check4.onClick = [this] { Check4_Click(); };
    c_.Check8.onClick = [this] { Check8_Click(); };
    // The hand over the buttons, the arrow over the background, frames and lists.
    for (Button* button : {&c_.PushButton1, &c_.PushButton2, &c_.PushButton3, &c_.PushButton4})
        button->onMouseMove = [this] { hoverPointer(c_.form, MousePointer::Custom); };
    const auto arrow = [this] { hoverPointer(c_.form, MousePointer::Default); };
    c_.form.onMouseMove = arrow;
    for (Frame* frame : {&c_.Frame1, &c_.Frame2, &c_.Frame3}) frame->onMouseMove = arrow;
    c_.ListView1.onMouseMove = arrow;
    c_.ListView2.onMouseMove = arrow;
    c_.Text2.onChange = [this] { Text2_Change(); };
    c_.PushButton1.onClick = [this] { PushButton1_Click(); };
    c_.PushButton2.onClick = [this] { PushButton2_Click(); };
    c_.PushButton3.onClick = [this] { PushButton3_Click(); };
    c_.PushButton4.onClick = [this] { PushButton4_Click(); };
    // Moving the selection with the keyboard chooses an interval as a click
    // does, so the selection and the stored choice never disagree.
    c_.ListView2.onClick = [this] { ListView2_Click(); };
    c_.ListView2.onSelectionMovedByKeyboard = [this] { ListView2_Click(); };
    c_.Timer1.onTick = [this] { Timer1_Timer(); };
}

WindowListContext Form1::windowListContext() const
{
    return WindowListContext{s_.windows, s_.dialogs, program_.MainWindowHandle};
}

void Form1::writeSetting(const std::string& key, const std::string& value)
{
    try {
        s_.settings.write(key, value);
        settingsWriteFailing_ = false;
    } catch (const Failure&) {
        if (settingsWriteFailing_) return;
        settingsWriteFailing_ = true;
        throw;
    }
}

TypingContext Form1::typingContext() { return TypingContext{s_, program_.MainWindowHandle}; }

void Form1::Form_Load()
{
    NumberedSteps steps(s_.dialogs, "Form1.Form_Load");
    steps.step(100, [&] {
        BackColored* const plainBackground[] = {&c_.Frame1, &c_.Frame2, &c_.Frame3, &c_.Check4, &c_.Check8};
        ApplySkin(s_.files, c_.form, plainBackground);
    });
    const std::string cursor = s_.files.programFolder() + kCursorFileName;
    if (steps.test(102, [&] { return s_.files.exists(cursor); }))
        steps.step(104, [&] { c_.form.loadCustomPointer(cursor); });
    steps.step(126, [&] { program_.MainWindowHandle = c_.form.handle(); });
    steps.step(128, [&] { program_.CustomSeconds = 0; });
    steps.step(130, [&] {
        c_.form.setCaption(kProductTitle);
        program_.ShortTitle = shortTitle(kProductTitle);
    });
    steps.step(132, [&] {
        cSysTray1.setTrayIcon(programIcon);
        cSysTray1.setTrayTip(kProductTitle);
    });
    steps.step(134, [&] { cSysTray1.setInTray(true); });
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
    int oftenIndex = 0;
    // A stored choice that is no number is reported once, not again by the
    // selection that would use it.
    if (steps.step(172, [&] {
            oftenIndex = toInteger16(s_.settings.read(setting::kOftenIndex, "2"), s_.locale.format());
        }))
        steps.step(174, [&] { c_.ListView2.select(oftenIndex); });
    if (steps.test(176, [&] { return c_.ListView2.count() > 0; }) &&
        steps.test(178, [&] { return isCustomSecondsOption(c_.ListView2.selectedText()); }))
        askCustomSeconds(steps, 180, 182, 184);
    std::string startStop;
    steps.step(186, [&] { startStop = s_.settings.read(setting::kStartStopState, "Off"); });
    if (steps.test(188, [&] { return startStop == "Off"; })) {
        steps.step(190, [&] { c_.PushButton4.setCaption("Turn On"); });
        steps.step(192, [&] { c_.Frame2.setCaption("Off."); });
        steps.step(194, [&] { c_.Timer1.setInterval(0); });
    } else if (steps.test(196, [&] { return startStop == "On"; })) {
        steps.step(198, [&] { c_.PushButton4.setCaption("Turn Off"); });
        steps.step(200, [&] { c_.Timer1.setInterval(1000); });
    }
    // The start-up options as they stand: the first box shows whether the
    // start-at-logon entry is there and switched on; the second whether the
    // program is to start in the tray. Both checked: it starts hidden there.
    restoringOptions_ = true;
    steps.step(202, [&] { c_.Check4.setChecked(startupEntryActive(s_.registry, s_.files)); });
    if (steps.test(204, [&] { return c_.Check4.checked(); })) {
        steps.step(206, [&] { c_.Check8.setChecked(s_.settings.read(setting::kMinimized, "Off") == "On"); });
        restoringOptions_ = false;
        if (steps.test(208, [&] { return c_.Check8.checked(); }))
            steps.step(210, [&] { c_.form.setWindowState(WindowState::Minimized); });
    } else {
        steps.step(210, [&] { c_.Check8.setVisible(false); });
    }
    restoringOptions_ = false;
}

void Form1::Form_QueryUnload()
{
    NumberedSteps steps(s_.dialogs, "Form1.Form_QueryUnload");
    steps.step(100, [&] { c_.Timer1.setInterval(0); });
    steps.step(102, [&] { cSysTray1.setInTray(false); });
    steps.step(104, [&] { s_.events.processPending(); });
    steps.step(106, [&] { s_.events.processPending(); });
}

void Form1::Form_Unload()
{
    // Nothing is saved here: every setting was written when it changed.
    if (endProgram) endProgram();
}

void Form1::Form_Resize()
{
    NumberedSteps steps(s_.dialogs, "Form1.Form_Resize");
    if (!steps.test(100, [&] {
            return c_.form.windowState() == WindowState::Minimized && !program_.MinimizedToTray;
        }))
        return;
    steps.step(102, [&] { c_.form.setVisible(false); });
    steps.step(104, [&] { c_.form.setWindowState(WindowState::Normal); });
    steps.step(106, [&] { program_.MinimizedToTray = true; });
    steps.step(108, [&] { cSysTray1.ShowBalloon(kMinimizedBalloonText, kProductTitle, 5, true); });
}

void Form1::cSysTray1_MouseDblClick(int, int)
{
    // The window is back: the balloon pointing at the icon has had its say.
    cSysTray1.HideBalloon();
    c_.form.setVisible(true);
    c_.form.setFocus();
    program_.MinimizedToTray = false;
}

void Form1::Check4_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.Check4_Click");
    if (c_.Check4.checked()) {
        steps.step(100, [&] { c_.Check8.setVisible(true); });
        if (restoringOptions_) return;
        steps.step(102, [&] { writeSetting(setting::kWindowsStartup, "On"); });
        steps.step(104, [&] {
            if (AddToStartup(s_.registry, s_.files)) return;
            s_.dialogs.warning("The program could not be set to start with Windows: the registry refused the "
                               "start-up entry.",
                               kProductTitle);
            c_.Check4.setChecked(false);
        });
    } else {
        steps.step(106, [&] { c_.Check8.setChecked(false); });
        steps.step(108, [&] { c_.Check8.setVisible(false); });
        if (restoringOptions_) return;
        steps.step(110, [&] { writeSetting(setting::kWindowsStartup, "Off"); });
        steps.step(112, [&] { RemoveFromStartup(s_.registry, s_.files); });
    }
}

void Form1::Check8_Click()
{
    if (restoringOptions_) return;
    NumberedSteps steps(s_.dialogs, "Form1.Check8_Click");
    steps.step(100, [&] { writeSetting(setting::kMinimized, c_.Check8.checked() ? "On" : "Off"); });
}

void Form1::askCustomSeconds(NumberedSteps& steps, int askLine, int testLine, int storeLine)
{
    std::string answer;
    bool numeric = false;
    do {
        // Cancel and closing the box give an empty answer, which is not a number.
        const bool asked = steps.step(askLine, [&] {
            answer = s_.dialogs.input("Enter number of second(s):", "Input Number Of Second(s)", "").value_or("");
        });
        // A box that cannot be shown at all would ask for ever: give up then,
        // keeping the seconds held so far.
        if (!asked) return;
        numeric = false;
        steps.step(testLine, [&] { numeric = isNumeric(answer, s_.locale.format()); });
    } while (!numeric);
    steps.step(storeLine, [&] { program_.CustomSeconds = toInteger16(answer, s_.locale.format()); });
}

std::int32_t Form1::GetIntervalSeconds()
{
    return intervalSecondsOf(c_.ListView2.selectedText(), program_.CustomSeconds);
}

void Form1::Text2_Change()
{
    // A failing settings write is reported like any handler's failure, so the
    // user learns that the text was not stored; the position resets regardless.
    NumberedSteps steps(s_.dialogs, "Form1.Text2_Change");
    std::string text;
    steps.step(100, [&] { text = c_.Text2.text(); });
    steps.step(102, [&] { writeSetting(setting::kTextbox, text); });
    steps.step(104, [&] { CharPosition = 1; });
}

void Form1::PushButton1_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.PushButton1_Click");
    steps.step(100, [&] { getAllWindows(windowListContext(), c_.ListView1); });
}


void Form1::PushButton2_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.PushButton2_Click");
    if (!steps.test(100, [&] { return c_.ListView1.count() > 0; })) return;
    steps.step(102, [&] { c_.form.setMousePointer(MousePointer::Hourglass); });
    steps.step(104, [&] { TypeTextbox(typingContext(), c_.ListView1, c_.Frame2, c_.Text2.text()); });
    steps.step(106, [&] { c_.form.setMousePointer(MousePointer::Default); });
    steps.step(108, [&] { c_.ProgressBar1.setValue(0); });
}


void Form1::ListView2_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.ListView2_Click");
    steps.step(100, [&] {
        writeSetting(setting::kOftenIndex, std::to_string(c_.ListView2.selectedPosition()));
    });
    steps.step(102, [&] { IntervalSeconds = GetIntervalSeconds(); });
    steps.step(104, [&] { ElapsedSeconds = 0; });
    steps.step(106, [&] { CharPosition = 1; });
}

void Form1::PushButton3_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.PushButton3_Click");
    steps.step(100, [&] {
        if (!showHelp) fail("The help window is not available");
        showHelp();
    });
}

void Form1::PushButton4_Click()
{
    NumberedSteps steps(s_.dialogs, "Form1.PushButton4_Click");
    if (steps.test(100, [&] { return c_.PushButton4.caption() == "Turn On"; })) {
        steps.step(102, [&] { c_.PushButton4.setCaption("Turn Off"); });
        if (steps.test(104, [&] { return c_.ListView2.count() > 0; }) &&
            steps.test(106, [&] { return isCustomSecondsOption(c_.ListView2.selectedText()); }))
            askCustomSeconds(steps, 108, 110, 112);
        steps.step(114, [&] { CharPosition = 1; });
        steps.step(116, [&] { c_.Timer1.setInterval(1000); });
        steps.step(118, [&] { writeSetting(setting::kStartStopState, "On"); });
    } else if (steps.test(120, [&] { return c_.PushButton4.caption() == "Turn Off"; })) {
        steps.step(122, [&] { c_.PushButton4.setCaption("Turn On"); });
        steps.step(124, [&] { c_.Timer1.setInterval(0); });
        steps.step(126, [&] { c_.Frame2.setCaption("Off."); });
        steps.step(128, [&] { writeSetting(setting::kStartStopState, "Off"); });
    }
}

namespace {

// The characters of UTF-8 text; a CR LF line break counts as one, so that
// one-character mode types a line break as one Enter.
std::vector<std::string> characterUnits(const std::string& text)
{
    std::vector<std::string> units;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text.compare(i, 2, "\r\n") == 0 ? 2 : decodeUtf8(text, i).length;
        units.push_back(text.substr(i, length));
        i += length;
    }
    return units;
}

}  // namespace

void Form1::typeTurn(const std::string& keys) { TypeTextbox(typingContext(), c_.ListView1, c_.Frame2, keys); }

void Form1::Timer1_Timer()
{
    // Ticks arriving while one of the program's dialogs waits for the user are
    // dropped: a failing turn at one second shows one dialog, not one a second.
    if (s_.dialogs.modalOpen()) return;
    NumberedSteps steps(s_.dialogs, "Form1.Timer1");
    if (steps.test(100, [&] { return c_.Timer1.interval() == 0; })) {
        steps.step(102, [&] { c_.Frame2.setCaption("Off."); });
        return;
    }
    steps.step(104, [&] { IntervalSeconds = GetIntervalSeconds(); });
    steps.step(106, [&] { ++ElapsedSeconds; });
    steps.step(108, [&] {
        // An interval of 0 or less is never due; the bar then stays empty.
        if (IntervalSeconds <= 0) {
            c_.ProgressBar1.setMax(1);
            c_.ProgressBar1.setValue(0);
            return;
        }
        c_.ProgressBar1.setMax(IntervalSeconds);
        if (ElapsedSeconds <= IntervalSeconds) c_.ProgressBar1.setValue(ElapsedSeconds);
    });
    steps.step(110, [&] {
        c_.Frame2.setCaption("On. Next type will occur in " +
                             SecondsToHms(IntervalSeconds - ElapsedSeconds, s_.locale.format().timeSeparator));
    });
    // Due once the count has reached the interval, also when it had passed it
    // (a shorter interval chosen, or typing turned back on after a pause).
    if (!steps.test(112, [&] { return IntervalSeconds > 0 && ElapsedSeconds >= IntervalSeconds; })) return;
    if (steps.test(114, [&] { return isOneCharacterOption(c_.ListView2.selectedText()); })) {
        std::vector<std::string> units;
        if (steps.test(116, [&] {
                units = characterUnits(c_.Text2.text());
                return static_cast<std::int64_t>(units.size()) >= CharPosition;
            })) {
            steps.step(118, [&] { typeTurn(units.at(static_cast<std::size_t>(CharPosition - 1))); });
            steps.step(120, [&] { ++CharPosition; });
        } else {
            steps.step(122, [&] { CharPosition = 1; });
            steps.step(124, [&] { typeTurn(units.empty() ? std::string() : units.front()); });
            steps.step(126, [&] { ++CharPosition; });
        }
    } else {
        steps.step(128, [&] { typeTurn(c_.Text2.text()); });
    }
    steps.step(130, [&] { ElapsedSeconds = 0; });
}

}  // namespace mw
