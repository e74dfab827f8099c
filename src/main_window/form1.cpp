#include "main_window/form1.h"

#include "main_window/tray_menu.h"
#include "shell/numbers.h"
#include "shell/pointer.h"
#include "shell/product.h"
#include "shell/skin.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

// Set for as long as a window it stands for is open.
struct WhileOpen {
    explicit WhileOpen(bool& flag) : open(flag) { open = true; }
    ~WhileOpen() { open = false; }
    WhileOpen(const WhileOpen&) = delete;
    WhileOpen& operator=(const WhileOpen&) = delete;
    bool& open;
};

}  // namespace

Form1::Form1(const Form1Controls& controls, const Services& services, ProgramState& program)
    : cSysTray1(services.tray, services.clock, services.events),
      c_(controls),
      s_(services),
      program_(program),
      startupOptions_(services.settings, services.registry, services.files)
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
    s_.hotkey.onPressed = [this] { Hotkey_Pressed(); };
    c_.Timer1.onTick = [this] { Timer1_Timer(); };
}

Form1::~Form1()
{
    turn_.reset();  // a turn under way lets go of its keys
    // The hotkey belongs to the program, not to the window's handlers.
    s_.hotkey.onPressed = nullptr;
    s_.hotkey.release();
}

WindowListContext Form1::windowListContext() const
{
    return WindowListContext{s_.windows, s_.dialogs, program_.MainWindowHandle};
}

TypingContext Form1::typingContext()
{
    std::optional<HotkeyCombination> held;
    if (hotkey_ && !hotkeyTaken_) held = hotkey_;
    return TypingContext{s_, program_.MainWindowHandle, held};
}

void Form1::startTurn(const std::string& keys, bool automatic, std::function<void(SendOutcome)> then)
{
    TurnOptions options;
    options.keyDelayMs = repeatOptions_.keyDelayMs;
    options.keyHoldMs = repeatOptions_.keyHoldMs;
    options.background = repeatOptions_.backgroundTyping;
    if (automatic) {
        options.giveFocusBack = repeatOptions_.giveFocusBack;
        options.waitForIdleMs = repeatOptions_.waitForIdleSeconds * 1000;
    }
    // Held here before it starts: a stop can come from its very first steps
    // (the hotkey while it waits for the keyboard).
    turn_ = TypeTextbox(typingContext(), targets_, c_.ListView1, c_.Frame2, keys, options, std::move(then));
    turn_->start();
}

void Form1::afterTurn(SendOutcome outcome, bool automatic)
{
    if (program_.Closing) return;
    selectChosenRow();
    // The hotkey pressed during the turn stopped it; it stops automatic typing
    // too when that is on (it never turns it on: it was pressed to stop).
    if (outcome == SendOutcome::StoppedByHotkey && schedule_.on()) PushButton4_Click();
    // Keys of the user's own during a turn stop it as the hotkey does: the
    // user has taken over the keyboard, and the next turn would cut in again.
    if (outcome == SendOutcome::StoppedByUserKeys && schedule_.on())
        stopTyping(std::string("Off. ") + kStoppedByUserKeysText);
    if (!automatic || outcome != SendOutcome::Sent || !schedule_.on()) return;
    schedule_.countTurn();
    if (schedule_.stopDue(s_.clock.monotonicMs()) == StopReason::Turns)
        stopTyping("Off. Stopped after " + std::to_string(schedule_.stopRules().afterTurns) + " turns.");
}

void Form1::stopTyping(const std::string& why)
{
    PushButton4_Click();
    c_.Frame2.setCaption(why);
}

void Form1::applyRepeatOptions()
{
    schedule_.setJitter(repeatOptions_.jitterSeconds);
    schedule_.setStopRules({repeatOptions_.stopAfterTurns, repeatOptions_.stopAfterMinutes});
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
    steps.step(128, [&] { program_.CustomSeconds = 0; });
    // The window's icon is the program's, given when the window is made.
    steps.step(130, [&] { c_.form.setCaption(kProductTitle); });
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
    steps.step(146, [&] { getAllWindows(windowListContext(), targets_, c_.ListView1); });
    steps.step(148, [&] { c_.ListView2.addColumn("How often would you like to type keys?"); });
    steps.step(150, [&] { c_.ListView2.setColumnWidth(1, 5000); });
    int line = 152;
    for (const IntervalOption& option : kIntervalOptions) {
        steps.step(line, [&] { c_.ListView2.addRow(option.text); });
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
        steps.test(178, [&] { return selectedInterval().asksForSeconds(); }))
        askCustomSeconds(steps, 180, 182, 184);
    std::string startStop;
    steps.step(186, [&] { startStop = s_.settings.read(setting::kStartStopState, "Off"); });
    if (steps.test(188, [&] { return startStop == "Off"; })) {
        steps.step(190, [&] { c_.PushButton4.setCaption("Turn On"); });
        steps.step(192, [&] { c_.Frame2.setCaption("Off."); });
        steps.step(194, [&] { c_.Timer1.setInterval(0); });
    } else if (steps.test(196, [&] { return startStop == "On"; })) {
        steps.step(198, [&] { c_.PushButton4.setCaption("Turn Off"); });
        steps.step(200, [&] {
            schedule_.turnOn(s_.clock.monotonicMs());
            c_.Timer1.setInterval(1000);
        });
    }
    // The start-up options as they stand: the first box shows whether the
    // start-at-logon entry is there and switched on; the second whether the
    // program is to start in the tray. Both checked: it starts hidden there.
    // Step 210 is the last of the conditional either way: minimising, or
    // hiding the box that goes with an entry that is not there.
    steps.step(202, [&] {
        startupOptions_.restoreEntry();
        showStartupOptions();
    });
    if (steps.test(204, [&] { return startupOptions_.entry(); })) {
        steps.step(206, [&] {
            startupOptions_.restoreInTray();
            showStartupOptions();
        });
        if (steps.test(208, [&] { return startupOptions_.inTray(); }))
            steps.step(210, [&] { c_.form.setWindowState(WindowState::Minimized); });
    } else {
        steps.step(210, [&] { showStartupOptions(); });
    }
    steps.step(212, [&] { setUpHotkey(); });
    steps.step(214, [&] {
        repeatOptions_ = loadRepeatOptions(s_.settings);
        applyRepeatOptions();
    });
}

void Form1::setUpHotkey()
{
    const HotkeySetting setting = readHotkeySetting(s_.settings.read(setting::kHotkey, kDefaultHotkey));
    hotkey_ = setting.combination;
    if (!setting.complaint.empty()) s_.dialogs.warning(setting.complaint, kProductTitle);
    if (!hotkey_) return;  // the user switched it off
    // Held by another program: the program works without it, and its tray
    // menu says so.
    hotkeyTaken_ = !s_.hotkey.claim(*hotkey_);
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
        if (turnRunning()) turn_->stop(SendOutcome::TurnedOff);
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

void Form1::Form_Resize()
{
    NumberedSteps steps = handlerSteps("Form1.Form_Resize");
    // Hidden only where the user can find it again: without a tray icon (the
    // shell refused it) the window stays minimised on the taskbar.
    if (!steps.test(100, [&] {
            return c_.form.windowState() == WindowState::Minimized && !program_.MinimizedToTray &&
                   cSysTray1.iconShown();
        }))
        return;
    steps.step(102, [&] { c_.form.setVisible(false); });
    steps.step(104, [&] { c_.form.setWindowState(WindowState::Normal); });
    steps.step(106, [&] { program_.MinimizedToTray = true; });
    steps.step(108, [&] { cSysTray1.ShowBalloon(kMinimizedBalloonText, kProductTitle, 5, true); });
}

void Form1::cSysTray1_IconMissing()
{
    // The shell lost the icon (a restart that would not take it back): a
    // window hidden in the tray would be out of reach, so it comes back.
    if (program_.Closing || !program_.MinimizedToTray) return;
    c_.form.setVisible(true);
    program_.MinimizedToTray = false;
}

void Form1::ShowRequested()
{
    if (program_.Closing) return;
    cSysTray1_MouseDblClick(1, 0);
    // Minimised on the taskbar (no tray icon): back to its normal size.
    if (c_.form.windowState() == WindowState::Minimized) c_.form.setWindowState(WindowState::Normal);
}

void Form1::Hotkey_Pressed()
{
    // The same as the button, from any window: it is the way to stop typing
    // that every turn would otherwise race against. Not while one of the
    // program's boxes waits for an answer: the button's handler may be the
    // one waiting (the seconds prompt).
    if (program_.Closing || s_.dialogs.modalOpen()) return;
    // During a turn it ends the turn (and with it automatic typing, when on).
    if (turnRunning()) {
        turn_->stop(SendOutcome::StoppedByHotkey);
        return;
    }
    PushButton4_Click();
}

void Form1::OptionsRequested()
{
    // One of the program's windows at a time: not over Help, not twice, and
    // not while a box waits for an answer (the seconds prompt may be the
    // button's handler waiting). Ticks, the hotkey and the tray go on while
    // it is open, as they do during Help.
    if (program_.Closing || windowOpen_ || s_.dialogs.modalOpen()) return;
    NumberedSteps steps = handlerSteps("Form1.OptionsRequested");
    bool stored = false;
    steps.step(100, [&] {
        if (!showOptions) fail("The Options window is not available");
        const WhileOpen open(windowOpen_);
        stored = showOptions();
    });
    if (!stored) return;
    // What the dialog stored takes effect at once: the hotkey it names is
    // claimed instead of the old one (none when the field was emptied).
    steps.step(102, [&] {
        s_.hotkey.release();
        hotkeyTaken_ = false;
        setUpHotkey();
    });
    steps.step(104, [&] {
        repeatOptions_ = loadRepeatOptions(s_.settings);
        applyRepeatOptions();
    });
}

void Form1::cSysTray1_MenuRequested()
{
    // One menu at a time: a shell may ask twice for one click (the button and
    // WM_CONTEXTMENU), and the second request arrives while the first is open.
    if (program_.Closing || menuOpen_) return;
    menuOpen_ = true;
    struct Closed {
        bool& open;
        ~Closed() { open = false; }
    } closed{menuOpen_};
    const TrayMenu menu =
        trayMenu({c_.PushButton4.caption(), hotkey_, hotkeyTaken_, s_.dialogs.modalOpen(), windowOpen_});
    switch (menu.commandAt(cSysTray1.ShowMenu(menu.items))) {
    case TrayCommand::Show: ShowRequested(); break;
    case TrayCommand::TurnOnOrOff: PushButton4_Click(); break;
    case TrayCommand::TypeNow: PushButton2_Click(); break;
    case TrayCommand::Options:
        // The dialog stays open long after this menu closed: the menu may
        // open again meanwhile.
        menuOpen_ = false;
        OptionsRequested();
        break;
    case TrayCommand::Exit: c_.form.close(); break;
    case TrayCommand::None: break;  // dismissed
    }
}

void Form1::ListView1_Click()
{
    // The row the user chose is where automatic typing goes, whatever the
    // rebuilds after each turn put first.
    if (program_.Closing) return;
    NumberedSteps steps = handlerSteps("Form1.ListView1_Click");
    steps.step(100, [&] { targets_.choose(targets_.windowAt(c_.ListView1.selectedPosition())); });
}

void Form1::selectChosenRow()
{
    if (const int row = targets_.rowOf(targets_.chosen()); row > 0 && targets_.chosen() != kNoWindow)
        c_.ListView1.select(row);
}

void Form1::cSysTray1_MouseDblClick(int, int)
{
    if (program_.Closing) return;
    // The window is back: the balloon pointing at the icon has had its say.
    cSysTray1.HideBalloon();
    c_.form.setVisible(true);
    c_.form.setFocus();
    program_.MinimizedToTray = false;
}

void Form1::showStartupOptions()
{
    c_.Check4.setChecked(startupOptions_.entry());
    c_.Check8.setChecked(startupOptions_.inTray());
    c_.Check8.setVisible(startupOptions_.inTrayOffered());
}

void Form1::Check4_Click()
{
    NumberedSteps steps = handlerSteps("Form1.Check4_Click");
    if (c_.Check4.checked()) {
        steps.step(100, [&] {
            startupOptions_.entryTicked();
            showStartupOptions();
        });
        steps.step(102, [&] { startupOptions_.storeEntry(); });
        // While the entry was off the box below stayed unchecked whatever
        // was stored for it; the next start does what it now shows.
        steps.step(103, [&] { startupOptions_.storeInTray(); });
        steps.step(104, [&] {
            const StartupChange change = startupOptions_.addEntry();
            showStartupOptions();
            if (change != StartupChange::Done)
                s_.dialogs.warning(change == StartupChange::Refused ? kEntryRefusedText : kEntrySwitchedOffText,
                                   kProductTitle);
        });
    } else {
        steps.step(106, [&] { startupOptions_.entryCleared(); });
        steps.step(108, [&] { showStartupOptions(); });
        steps.step(110, [&] { startupOptions_.storeEntry(); });
        steps.step(112, [&] {
            const bool removed = startupOptions_.removeEntry();
            showStartupOptions();
            if (!removed) s_.dialogs.warning(kEntryNotRemovedText, kProductTitle);
        });
    }
}

void Form1::Check8_Click()
{
    NumberedSteps steps = handlerSteps("Form1.Check8_Click");
    steps.step(100, [&] {
        startupOptions_.inTrayChosen(c_.Check8.checked());
        startupOptions_.storeInTray();
    });
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
    steps.step(storeLine, [&] { program_.CustomSeconds = toInteger16(answer, s_.locale.format()); });
}

const IntervalOption& Form1::selectedInterval() { return intervalOption(c_.ListView2.selectedPosition()); }

std::int32_t Form1::GetIntervalSeconds() { return intervalSecondsOf(selectedInterval(), program_.CustomSeconds); }

void Form1::Text2_Change()
{
    // A failing settings write is reported like any handler's failure, so the
    // user learns that the text was not stored; the position resets regardless.
    // Only the first of a run of failing writes is reported: the box writes on
    // every keystroke.
    NumberedSteps steps = handlerSteps("Form1.Text2_Change");
    std::string text;
    steps.step(100, [&] { text = c_.Text2.text(); });
    steps.step(102, [&] {
        try {
            s_.settings.write(setting::kTextbox, text);
            keyTextWriteFailing_ = false;
        } catch (const Failure&) {
            if (keyTextWriteFailing_) return;
            keyTextWriteFailing_ = true;
            throw;
        }
    });
    steps.step(104, [&] { schedule_.restartCharacters(); });
}

void Form1::PushButton1_Click()
{
    NumberedSteps steps = handlerSteps("Form1.PushButton1_Click");
    steps.step(100, [&] {
        getAllWindows(windowListContext(), targets_, c_.ListView1);
        selectChosenRow();
    });
}


void Form1::PushButton2_Click()
{
    // Two turns never overlap.
    if (turnRunning()) return;
    NumberedSteps steps = handlerSteps("Form1.PushButton2_Click");
    if (!steps.test(100, [&] { return c_.ListView1.count() > 0; })) return;
    steps.step(102, [&] { c_.form.setMousePointer(MousePointer::Hourglass); });
    // Steps 106 and 108 follow once the turn is over: the hourglass shows
    // for as long as it types.
    const auto over = [this](SendOutcome outcome) {
        afterTurn(outcome, false);
        NumberedSteps end = handlerSteps("Form1.PushButton2_Click");
        end.step(106, [&] { c_.form.setMousePointer(MousePointer::Default); });
        end.step(108, [&] { c_.ProgressBar1.setValue(0); });
    };
    bool started = false;
    steps.step(104, [&] {
        startTurn(c_.Text2.text(), false, over);
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
    steps.step(102, [&] { schedule_.setInterval(GetIntervalSeconds()); });
    steps.step(104, [&] { schedule_.restartCount(); });
    steps.step(106, [&] { schedule_.restartCharacters(); });
}

void Form1::PushButton3_Click()
{
    NumberedSteps steps = handlerSteps("Form1.PushButton3_Click");
    steps.step(100, [&] {
        if (!showHelp) fail("The help window is not available");
        const WhileOpen open(windowOpen_);
        showHelp();
    });
}

void Form1::PushButton4_Click()
{
    NumberedSteps steps = handlerSteps("Form1.PushButton4_Click");
    if (steps.test(100, [&] { return !schedule_.on(); })) {
        steps.step(102, [&] { c_.PushButton4.setCaption("Turn Off"); });
        if (steps.test(104, [&] { return c_.ListView2.count() > 0; }) &&
            steps.test(106, [&] { return selectedInterval().asksForSeconds(); }))
            askCustomSeconds(steps, 108, 110, 112);
        steps.step(114, [&] {
            schedule_.restartCharacters();
            // The row shown selected is the one typing goes to, whatever a
            // refresh or Type Now puts first before the first turn.
            targets_.choose(targets_.count() > 0 ? targets_.windowAt(c_.ListView1.selectedPosition()) : kNoWindow);
        });
        steps.step(116, [&] {
            schedule_.turnOn(s_.clock.monotonicMs());
            c_.Timer1.setInterval(1000);
        });
        steps.step(118, [&] { s_.settings.write(setting::kStartStopState, "On"); });
    } else if (steps.test(120, [&] { return schedule_.on(); })) {
        steps.step(122, [&] { c_.PushButton4.setCaption("Turn On"); });
        steps.step(124, [&] {
            schedule_.turnOff();
            c_.Timer1.setInterval(0);
            // A turn under way ends at once, letting go of every key it holds.
            if (turnRunning()) turn_->stop(SendOutcome::TurnedOff);
        });
        steps.step(126, [&] { c_.Frame2.setCaption("Off."); });
        steps.step(128, [&] { s_.settings.write(setting::kStartStopState, "Off"); });
    }
}

void Form1::typeTurn(const std::string& keys)
{
    // Keys go to the chosen window or nowhere: never on to whatever window
    // the rebuilt list shows first once it has closed.
    switch (targets_.choice(s_.windows)) {
    case TargetList::Choice::Closed: c_.Frame2.setCaption(kChosenWindowClosedText); return;
    case TargetList::Choice::NotListed:
        getAllWindows(windowListContext(), targets_, c_.ListView1);
        if (!targets_.rowOf(targets_.chosen())) {
            // There, but no longer a window the list offers (hidden).
            c_.Frame2.setCaption(kNotInFrontText);
            return;
        }
        [[fallthrough]];
    case TargetList::Choice::Listed: c_.ListView1.select(targets_.rowOf(targets_.chosen())); break;
    case TargetList::Choice::None:
        if (targets_.count() > 0) targets_.choose(targets_.windowAt(c_.ListView1.selectedPosition()));
        break;
    }
    startTurn(keys, true, [this](SendOutcome outcome) { afterTurn(outcome, true); });
}

void Form1::Timer1_Timer()
{
    // Ticks arriving while one of the program's dialogs waits for the user are
    // dropped: a failing turn at one second shows one dialog, not one a second.
    if (s_.dialogs.modalOpen()) return;
    NumberedSteps steps = handlerSteps("Form1.Timer1");
    if (steps.test(100, [&] { return !schedule_.on(); })) {
        steps.step(102, [&] { c_.Frame2.setCaption("Off."); });
        return;
    }
    if (steps.test(101, [&] { return schedule_.stopDue(s_.clock.monotonicMs()) == StopReason::Minutes; })) {
        stopTyping("Off. Stopped after " + std::to_string(schedule_.stopRules().afterMinutes) + " minutes.");
        return;
    }
    // A tick that falls while a turn runs waits for it: the count goes on
    // once the turn is over, as no second turn may start meanwhile.
    if (turnRunning()) return;
    steps.step(104, [&] { schedule_.setInterval(GetIntervalSeconds()); });
    Countdown countdown;
    steps.step(106, [&] { countdown = schedule_.tick(); });
    steps.step(108, [&] {
        c_.ProgressBar1.setMax(countdown.progressMax);
        if (countdown.progressValue) c_.ProgressBar1.setValue(*countdown.progressValue);
    });
    steps.step(110, [&] {
        c_.Frame2.setCaption("On. Next type will occur in " +
                             SecondsToHms(countdown.secondsLeft, s_.locale.format().timeSeparator));
    });
    if (!steps.test(112, [&] { return countdown.due; })) return;
    if (steps.test(114, [&] { return selectedInterval().oneCharacter; })) {
        std::vector<std::string> units;
        if (steps.test(116, [&] {
                units = oneCharacterUnits(c_.Text2.text());
                return schedule_.positionWithin(units.size());
            })) {
            steps.step(118, [&] { typeTurn(units.at(static_cast<std::size_t>(schedule_.CharPosition() - 1))); });
            steps.step(120, [&] { schedule_.nextCharacter(); });
        } else {
            steps.step(122, [&] { schedule_.restartCharacters(); });
            steps.step(124, [&] { typeTurn(units.empty() ? std::string() : units.front()); });
            steps.step(126, [&] { schedule_.nextCharacter(); });
        }
    } else {
        steps.step(128, [&] { typeTurn(c_.Text2.text()); });
    }
    steps.step(130, [&] { schedule_.restartCount(); });
}

}  // namespace mw
