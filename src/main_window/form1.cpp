#include "main_window/form1.h"

#include <algorithm>
#include <climits>

#include "main_window/tray_menu.h"
#include "shell/numbers.h"
#include "shell/pointer.h"
#include "shell/product.h"
#include "shell/skin.h"
#include "typing/hotkey.h"

namespace mw {

Form1::Form1(const Form1Controls& controls, const Services& services, ProgramState& program)
    : cSysTray1(services.tray, services.clock, services.events),
      c_(controls),
      s_(services),
      program_(program),
      target_(services.windows, services.settings, targets_, [this] { rebuildTargets(); },
              [this] { return selectedTarget(); }),
      session_(services, program.turns, sessionView(), std::random_device{}()),
      startupOptions_(services.settings, services.registry, services.files),
      hotkey_(services.settings, services.hotkey, services.dialogs),
      sequences_(services, program.turns, services.sections, controls.Timer2)
{
    c_.form.onResize = [this] { Form_Resize(); };
    cSysTray1.MouseDblClick = [this](int button, int id) { cSysTray1_MouseDblClick(button, id); };
    cSysTray1.IconMissing = [this] { cSysTray1_IconMissing(); };
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
    // A right click or a key that moves the selection chooses an interval as
    // a click does (the list raises onClick for each), so the selection and
    // the stored choice never disagree.
    c_.ListView2.onClick = [this] { ListView2_Click(); };
    c_.ListView1.onClick = [this] { ListView1_Click(); };
    cSysTray1.MenuRequested = [this] { cSysTray1_MenuRequested(); };
    cSysTray1.KeySelected = [this] { ShowRequested(); };
    c_.Timer1.onTick = [this] { Timer1_Timer(); };
    c_.Timer3.onTick = [this] { Timer3_Timer(); };
}

Form1::~Form1()
{
    // The hotkey belongs to the program, not to the window's handlers.
    hotkey_.release();
}

WindowListContext Form1::windowListContext() const
{
    return WindowListContext{s_.windows, s_.dialogs, program_.MainWindowHandle};
}

AutoTyping::View Form1::sessionView()
{
    AutoTyping::View view;
    view.status = [this](const std::string& text) { c_.Frame2.setCaption(text); };
    view.rebuildTargets = [this] { rebuildTargets(); };
    // A long turn's progress takes the bar; once it is over the bar shows
    // what it showed before.
    view.progress = [this](std::size_t typed, std::size_t keys, const std::string& text) {
        if (!barBeforeTurn_) barBeforeTurn_ = {c_.ProgressBar1.max(), c_.ProgressBar1.value()};
        c_.Frame2.setCaption(text);
        c_.ProgressBar1.setMax(static_cast<int>(std::min<std::size_t>(keys, INT_MAX)));
        c_.ProgressBar1.setValue(static_cast<int>(std::min<std::size_t>(typed, INT_MAX)));
    };
    view.turnOver = [this](SendOutcome) {
        if (!barBeforeTurn_) return;
        c_.ProgressBar1.setMax(barBeforeTurn_->first);
        c_.ProgressBar1.setValue(barBeforeTurn_->second);
        barBeforeTurn_.reset();
    };
    view.target = [this] { return target_.resolve(); };
    view.stopped = [this](const std::string& why) {
        if (program_.Closing) return;
        NumberedSteps steps = handlerSteps("Form1.PushButton4_Click");
        showTypingOff(steps, why);
    };
    return view;
}

WindowHandle Form1::selectedTarget()
{
    return targets_.count() > 0 ? targets_.windowAt(c_.ListView1.selectedPosition()) : kNoWindow;
}

void Form1::rebuildTargets()
{
    getAllWindows(windowListContext(), targets_, c_.ListView1);
    if (!program_.Closing) selectChosenRow();
}

void Form1::Form_Load()
{
    NumberedSteps steps = handlerSteps("Form1.Form_Load");
    steps.step(100, [&] {
        BackColored* const plainBackground[] = {&c_.Frame1, &c_.Frame2, &c_.Frame3, &c_.Check4, &c_.Check8};
        ApplySkin(s_.files, c_.form, plainBackground);
    });
    const std::string cursor = s_.files.programFolder() + kCursorFileName;
    if (steps.test(102, [&] { return s_.files.exists(cursor); }))
        steps.step(104, [&] { c_.form.loadCustomPointer(cursor); });
    steps.step(126, [&] { program_.MainWindowHandle = c_.form.handle(); });
    steps.step(128, [&] { session_.setCustomSeconds(0); });
    // The window's icon is the program's, given when the window is made.
    steps.step(130, [&] { c_.form.setCaption(kProductTitle); });
    steps.step(132, [&] {
        cSysTray1.setTrayIcon(programIcon);
        cSysTray1.setTrayTip(kProductTitle);
    });
    steps.step(134, [&] { cSysTray1.setInTray(true); });
    steps.step(136, [&] {
        c_.Text2.setText(s_.settings.read(setting::kTextbox, kDefaultKeyText));
        // The stored text is no edit of the user's: no balloon over it.
        c_.Timer3.setInterval(0);
    });
    steps.step(138, [&] { c_.ListView1.addColumn("Select One Application To Type Into"); });
    steps.step(140, [&] { c_.ListView1.addColumn("Handle"); });
    steps.step(142, [&] { c_.ListView1.setColumnWidth(1, 7000); });
    steps.step(144, [&] { c_.ListView1.setColumnWidth(2, 1); });
    steps.step(146, [&] { getAllWindows(windowListContext(), targets_, c_.ListView1); });
    loadIntervalOptions(steps);
    restoreOnOff(steps);
    restoreStartupOptions(steps);
    steps.step(212, [&] { setUpHotkey(); });
    steps.step(214, [&] {
        repeatOptions_ = loadRepeatOptions(s_.settings);
        session_.setOptions(sessionOptions(repeatOptions_));
    });
    // The sequences stored on go on typing, each by its own rule.
    steps.step(216, [&] {
        sequences_.setMainWindow(program_.MainWindowHandle);
        sequences_.load();
    });
    steps.step(218, [&] {
        target_.setMainWindow(program_.MainWindowHandle);
        target_.restoreRule();
    });
}

void Form1::loadIntervalOptions(NumberedSteps& steps)
{
    steps.step(148, [&] { c_.ListView2.addColumn("How often would you like to type keys?"); });
    steps.step(150, [&] { c_.ListView2.setColumnWidth(1, 5000); });
    int line = 152;
    for (const IntervalOption& option : kIntervalOptions) {
        steps.step(line, [&] { c_.ListView2.addRow(option.text); });
        line += 2;
    }
    // Until a stored choice selects another, the list shows its first row
    // selected, and that is the interval.
    session_.chooseInterval(intervalOf(kIntervalOptions.front()));
    int oftenIndex = 0;
    // A stored choice that is no number is reported once, not again by the
    // selection that would use it.
    if (steps.step(172, [&] {
            oftenIndex = toInteger16(s_.settings.read(setting::kOftenIndex, "2"), s_.locale.format());
        }))
        steps.step(174, [&] {
            c_.ListView2.select(oftenIndex);
            session_.chooseInterval(intervalOf(intervalOption(oftenIndex)));
        });
    if (steps.test(176, [&] { return c_.ListView2.count() > 0; }) &&
        steps.test(178, [&] { return session_.asksForSeconds(); }))
        askCustomSeconds(steps, 180, 182, 184);
}

void Form1::restoreOnOff(NumberedSteps& steps)
{
    std::string startStop;
    steps.step(186, [&] { startStop = s_.settings.read(setting::kStartStopState, "Off"); });
    if (steps.test(188, [&] { return startStop == "Off"; })) {
        steps.step(190, [&] { c_.PushButton4.setCaption("Turn On"); });
        steps.step(192, [&] { c_.Frame2.setCaption("Off."); });
        steps.step(194, [&] { c_.Timer1.setInterval(0); });
    } else if (steps.test(196, [&] { return startStop == "On"; })) {
        steps.step(198, [&] { c_.PushButton4.setCaption("Turn Off"); });
        steps.step(200, [&] {
            session_.turnOn(s_.clock.monotonicMs());
            c_.Timer1.setInterval(1000);
        });
    }
}

void Form1::setUpHotkey()
{
    // Held by another program: the program works without it, and its tray
    // menu says so.
    hotkey_.setUp([this] { Hotkey_Pressed(); });
    session_.setMainWindow(program_.MainWindowHandle);
}

NumberedSteps Form1::handlerSteps(const char* location)
{
    return NumberedSteps(s_.dialogs, location, program_.Closing);
}

void Form1::Form_QueryUnload()
{
    // Once: a second request (the close box again while the shutdown
    // processes events, or the session ending) finds the shutdown under way.
    if (program_.Closing) return;
    program_.Closing = true;
    NumberedSteps steps(s_.dialogs, "Form1.Form_QueryUnload");
    // A turn under way ends first, letting go of every key it holds.
    steps.step(100, [&] {
        c_.Timer1.setInterval(0);
        sequences_.shutDown();
        session_.stopTurn(SendOutcome::TurnedOff);
    });
    steps.step(102, [&] { cSysTray1.setInTray(false); });
    // Twice: what the first round dispatches (the shell's answer to the
    // icon's removal, a paint, a nested close) can post more, and the second
    // round lets that finish too before the process ends.
    steps.step(104, [&] { s_.events.processPending(); });
    steps.step(106, [&] { s_.events.processPending(); });
}

void Form1::Form_Unload()
{
    // Nothing is saved here: every setting was written when it changed.
    if (endProgram) endProgram();
}

void Form1::Hotkey_Pressed()
{
    // The same as the button, from any window: it is the way to stop typing
    // that every turn would otherwise race against. Not while one of the
    // program's boxes waits for an answer: the button's handler may be the
    // one waiting (the seconds prompt).
    if (program_.Closing || s_.dialogs.modalOpen()) return;
    // During a turn it ends the turn (and with it automatic typing, when on).
    if (session_.turnRunning()) {
        session_.stopTurn(SendOutcome::StoppedByHotkey);
        return;
    }
    PushButton4_Click();
}

void Form1::ListView1_Click()
{
    // The row the user chose is where automatic typing goes, whatever the
    // rebuilds after each turn put first.
    if (program_.Closing) return;
    NumberedSteps steps = handlerSteps("Form1.ListView1_Click");
    steps.step(100, [&] { target_.choose(targets_.windowAt(c_.ListView1.selectedPosition())); });
}

void Form1::selectChosenRow()
{
    if (const int row = targets_.rowOf(target_.chosen()); row > 0 && target_.chosen() != kNoWindow)
        c_.ListView1.select(row);
}

void Form1::askCustomSeconds(NumberedSteps& steps, int askLine, int testLine, int storeLine)
{
    std::string answer;
    bool usable = false;
    do {
        // Cancel and closing the box give an empty answer, which is not a
        // number. A number the schedule cannot use is asked for again too.
        const bool asked = steps.step(askLine, [&] {
            answer = s_.dialogs.input("Enter number of second(s):", "Input Number Of Second(s)", "").value_or("");
        });
        // A box that cannot be shown at all would ask for ever: give up then,
        // keeping the seconds held so far.
        if (!asked) return;
        usable = false;
        steps.step(testLine, [&] { usable = isUsableCustomSeconds(answer, s_.locale.format()); });
    } while (!usable);
    steps.step(storeLine, [&] { session_.setCustomSeconds(toInteger16(answer, s_.locale.format())); });
}

const IntervalOption& Form1::selectedInterval() { return intervalOption(c_.ListView2.selectedPosition()); }

void Form1::PushButton1_Click()
{
    NumberedSteps steps = handlerSteps("Form1.PushButton1_Click");
    steps.step(100, [&] { rebuildTargets(); });
}

void Form1::PushButton2_Click()
{
    // Two turns never overlap, the sequences' included.
    if (session_.anyTurnRunning()) return;
    NumberedSteps steps = handlerSteps("Form1.PushButton2_Click");
    if (!steps.test(100, [&] { return c_.ListView1.count() > 0; })) return;
    steps.step(102, [&] { c_.form.setMousePointer(MousePointer::Hourglass); });
    // Steps 106 and 108 follow once the turn is over: the hourglass shows
    // for as long as it types.
    const auto over = [this](SendOutcome) {
        NumberedSteps end = handlerSteps("Form1.PushButton2_Click");
        end.step(106, [&] { c_.form.setMousePointer(MousePointer::Default); });
        end.step(108, [&] { c_.ProgressBar1.setValue(0); });
    };
    bool started = false;
    steps.step(104, [&] {
        session_.typeNow(c_.Text2.text(), selectedTarget(), over);
        started = true;
    });
    if (!started) over(SendOutcome::Sent);
}

void Form1::ListView2_Click()
{
    NumberedSteps steps = handlerSteps("Form1.ListView2_Click");
    steps.step(100, [&] {
        s_.settings.write(setting::kOftenIndex, std::to_string(c_.ListView2.selectedPosition()));
    });
    steps.step(102, [&] { session_.chooseInterval(intervalOf(selectedInterval())); });
    steps.step(104, [&] { session_.restartCount(); });
    steps.step(106, [&] { session_.restartCharacters(); });
}

void Form1::PushButton4_Click()
{
    NumberedSteps steps = handlerSteps("Form1.PushButton4_Click");
    if (steps.test(100, [&] { return !session_.on(); })) {
        steps.step(102, [&] { c_.PushButton4.setCaption("Turn Off"); });
        if (steps.test(104, [&] { return c_.ListView2.count() > 0; }) &&
            steps.test(106, [&] { return session_.asksForSeconds(); }))
            askCustomSeconds(steps, 108, 110, 112);
        steps.step(114, [&] {
            session_.restartCharacters();
            // The row shown selected is the one typing goes to, whatever a
            // refresh or Type Now puts first before the first turn.
            target_.choose(selectedTarget());
        });
        steps.step(116, [&] {
            session_.turnOn(s_.clock.monotonicMs());
            c_.Timer1.setInterval(1000);
        });
        steps.step(118, [&] { s_.settings.write(setting::kStartStopState, "On"); });
    } else if (steps.test(120, [&] { return session_.on(); })) {
        showTypingOff(steps, "Off.");
    }
}

void Form1::showTypingOff(NumberedSteps& steps, const std::string& why)
{
    steps.step(122, [&] { c_.PushButton4.setCaption("Turn On"); });
    // A turn under way ends at once, letting go of every key it holds.
    steps.step(124, [&] {
        session_.turnOff();
        c_.Timer1.setInterval(0);
    });
    steps.step(126, [&] { c_.Frame2.setCaption(why); });
    steps.step(128, [&] { s_.settings.write(setting::kStartStopState, "Off"); });
}

void Form1::Timer1_Timer()
{
    // Ticks arriving while one of the program's dialogs waits for the user are
    // dropped: a failing turn at one second shows one dialog, not one a second.
    if (s_.dialogs.modalOpen()) return;
    NumberedSteps steps = handlerSteps("Form1.Timer1");
    if (steps.test(100, [&] { return !session_.on(); })) {
        steps.step(102, [&] { c_.Frame2.setCaption("Off."); });
        return;
    }
    if (steps.test(101, [&] { return session_.stopIfDue(s_.clock.monotonicMs()); })) return;
    // A tick that falls while a turn runs waits for it: the count goes on
    // once the turn is over, as no second turn may start meanwhile.
    if (session_.turnRunning()) return;
    steps.step(104, [&] { session_.updateInterval(); });
    Countdown countdown;
    steps.step(106, [&] { countdown = session_.tick(); });
    steps.step(108, [&] {
        c_.ProgressBar1.setMax(countdown.progressMax);
        if (countdown.progressValue) c_.ProgressBar1.setValue(*countdown.progressValue);
    });
    steps.step(110, [&] {
        c_.Frame2.setCaption("On. Next type will occur in " +
                             SecondsToHms(countdown.secondsLeft, s_.locale.format().timeSeparator));
    });
    if (!steps.test(112, [&] { return countdown.due; })) return;
    if (steps.test(114, [&] { return session_.oneKey(); })) {
        std::vector<std::string> keys;
        if (steps.test(116, [&] {
                keys = AutoTyping::keysOf(c_.Text2.text());
                return session_.positionWithin(keys.size());
            })) {
            steps.step(118, [&] { session_.typeTurn(keys.at(static_cast<std::size_t>(session_.CharPosition() - 1))); });
            steps.step(120, [&] { session_.nextCharacter(); });
        } else {
            steps.step(122, [&] { session_.restartCharacters(); });
            steps.step(124, [&] { session_.typeTurn(keys.empty() ? std::string() : keys.front()); });
            steps.step(126, [&] { session_.nextCharacter(); });
        }
    } else {
        steps.step(128, [&] { session_.typeTurn(c_.Text2.text()); });
    }
    steps.step(130, [&] { session_.restartCount(); });
}

}  // namespace mw
