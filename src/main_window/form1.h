#pragma once
// The main window's handlers. The rules live in plain models (the typing
// session, the targets, the start-up options); the handlers run their
// numbered steps on them and show the result in the controls.
#include <functional>
#include <optional>
#include <utility>

#include "integration/sys_tray.h"
#include "main_window/form1_controls.h"
#include "main_window/interval_options.h"
#include "main_window/program_hotkey.h"
#include "main_window/program_state.h"
#include "main_window/repeat_options.h"
#include "main_window/startup_options.h"
#include "platform/services.h"
#include "sequences/sequence_runner.h"
#include "shell/error_dialog.h"
#include "targets/target_list.h"
#include "targets/window_list.h"
#include "typing/auto_typing.h"

namespace mw {

// A text in the key box that does not parse is shown once the user has
// stopped changing it for this long, in a balloon with this title.
inline constexpr int kKeyTextPauseMs = 700;
inline constexpr const char* kKeyTextBalloonTitle = "Key text";

class Form1 {
public:
    Form1(const Form1Controls& controls, const Services& services, ProgramState& program);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();
    void Form_Resize();
    void cSysTray1_MouseDblClick(int button, int id);
    void cSysTray1_IconMissing();
    void cSysTray1_MenuRequested();
    void ListView1_Click();
    void Hotkey_Pressed();
    // Another start of the program asks this copy to show itself.
    void ShowRequested();
    // "Options…" from the tray menu or the window's system menu.
    void OptionsRequested();
    // "Sequences…" from the tray menu or the window's system menu.
    void SequencesRequested();
    void Check4_Click();
    void Check8_Click();
    void Text2_Change();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void ListView2_Click();
    void Timer1_Timer();
    void Timer3_Timer();

    // Seconds of the interval option chosen now.
    std::int32_t GetIntervalSeconds() const { return session_.GetIntervalSeconds(); }

    const AutoTyping& session() const { return session_; }
    const TargetList& targets() const { return targets_; }
    const ChosenTarget& target() const { return target_; }
    SequenceRunner& sequences() { return sequences_; }
    // The main window's on/off hotkey, which no sequence may take.
    const ProgramHotkey& programHotkey() const { return hotkey_; }
    // How turns repeat and keys go in, as stored: read at startup and again
    // whenever the Options dialog stored them.
    const RepeatOptions& repeatOptions() const { return repeatOptions_; }

    // Shows the help window modally, with the hotkey as the program holds
    // it; the platform supplies it.
    std::function<void(const HotkeyStatus& hotkey)> showHelp;
    // Shows the Options dialog modally; true when OK stored its fields. The
    // platform supplies it.
    std::function<bool()> showOptions;
    // Shows the Sequences window, or brings it to the front; the platform
    // supplies it.
    std::function<void()> showSequences;
    // Ends the process at once; the platform supplies it.
    std::function<void()> endProgram;
    // The program icon, for the tray.
    std::optional<Picture> programIcon;

    cSysTray cSysTray1;

private:
    // The numbered steps of a handler: they stop once the program is closing.
    NumberedSteps handlerSteps(const char* location);
    WindowListContext windowListContext() const;
    AutoTyping::View sessionView();
    const IntervalOption& selectedInterval();
    // The window of the row shown selected; kNoWindow for an empty list.
    WindowHandle selectedTarget();
    // Asks for the seconds of the "every x seconds" options until the answer
    // is a usable number of seconds, then stores it; the three steps report at
    // their lines.
    void askCustomSeconds(NumberedSteps& steps, int askLine, int testLine, int storeLine);
    // The list of windows rebuilt, the chosen one selected in it.
    void rebuildTargets();
    void selectChosenRow();
    // The steps of startup that restore the interval, the on/off state and the
    // start-up options.
    void loadIntervalOptions(NumberedSteps& steps);
    void restoreOnOff(NumberedSteps& steps);
    void restoreStartupOptions(NumberedSteps& steps);
    // Automatic typing shown off, stored off, the status saying why: the one
    // way it is turned off, by the button or by the session.
    void showTypingOff(NumberedSteps& steps, const std::string& why);
    // The options that shape the session, as stored.
    void setUpHotkey();
    // The start-up boxes as the options stand; setting them raises no click.
    void showStartupOptions();

    Form1Controls c_;
    Services s_;
    ProgramState& program_;
    TargetList targets_;
    ChosenTarget target_;
    AutoTyping session_;
    StartupOptions startupOptions_;
    ProgramHotkey hotkey_;
    SequenceRunner sequences_;
    bool menuOpen_ = false;
    bool windowOpen_ = false;  // the Help or the Options window
    RepeatOptions repeatOptions_;
    // Set from a failed write of the key text until one succeeds: a store that
    // is down fails a write per keystroke, and one dialog says it for the run.
    bool keyTextWriteFailing_ = false;
    // The bar's maximum and value while a long turn shows its progress there.
    std::optional<std::pair<int, int>> barBeforeTurn_;
};

}  // namespace mw
