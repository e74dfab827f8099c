#include "main_window/form1.h"

#include "main_window/tray_menu.h"
#include "shell/product.h"

// The main window's lifecycle: minimising to the tray and coming back, the
// tray icon and its menu, another start asking to be shown, the Help and
// Options windows, and the two start-up options.
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

void Form1::restoreStartupOptions(NumberedSteps& steps)
{
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
    steps.step(102, [&] { setUpHotkey(); });
    steps.step(104, [&] {
        repeatOptions_ = loadRepeatOptions(s_.settings);
        session_.setOptions(sessionOptions(repeatOptions_));
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
    TrayMenuState state{session_.on(), hotkey_.combination(), hotkey_.taken(), s_.dialogs.modalOpen(), windowOpen_, {}};
    for (const Sequence& sequence : sequences_.sequences()) state.sequences.emplace_back(sequence.name, sequence.on);
    const TrayMenu menu = trayMenu(state);
    const TrayChoice choice = menu.choiceAt(cSysTray1.ShowMenu(menu.items));
    switch (choice.command) {
    case TrayCommand::Show: ShowRequested(); break;
    case TrayCommand::TurnOnOrOff: PushButton4_Click(); break;
    case TrayCommand::TypeNow: PushButton2_Click(); break;
    case TrayCommand::ToggleSequence: sequences_.toggle(choice.sequence); break;
    case TrayCommand::Sequences: SequencesRequested(); break;
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

void Form1::SequencesRequested()
{
    // Modeless: the main window, the tray and typing go on while it is open;
    // asked again, it comes to the front.
    if (program_.Closing || s_.dialogs.modalOpen()) return;
    NumberedSteps steps = handlerSteps("Form1.SequencesRequested");
    steps.step(100, [&] {
        if (!showSequences) fail("The Sequences window is not available");
        showSequences();
    });
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

void Form1::PushButton3_Click()
{
    NumberedSteps steps = handlerSteps("Form1.PushButton3_Click");
    steps.step(100, [&] {
        if (!showHelp) fail("The help window is not available");
        const WhileOpen open(windowOpen_);
        showHelp(hotkey_.status());
    });
}

}  // namespace mw
