#pragma once
// The main window's handlers. The rules live in plain models (the schedule,
// the targets, the start-up options); the handlers run their numbered steps
// on them and show the result in the controls.
#include <functional>
#include <optional>

#include "integration/sys_tray.h"
#include "main_window/form1_controls.h"
#include "main_window/interval_options.h"
#include "main_window/program_state.h"
#include "main_window/repeat_options.h"
#include "main_window/schedule.h"
#include "main_window/startup_options.h"
#include "platform/services.h"
#include "shell/error_dialog.h"
#include "targets/target_list.h"
#include "targets/window_list.h"
#include "typing/typing_engine.h"

namespace mw {

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
    void Check4_Click();
    void Check8_Click();
    void Text2_Change();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void ListView2_Click();
    void Timer1_Timer();

    // Seconds of the interval option selected now.
    std::int32_t GetIntervalSeconds();

    const Schedule& schedule() const { return schedule_; }
    const TargetList& targets() const { return targets_; }
    // How turns repeat and keys go in, as stored: read at startup and again
    // whenever the Options dialog stored them.
    const RepeatOptions& repeatOptions() const { return repeatOptions_; }

    // Shows the help window modally; the platform supplies it.
    std::function<void()> showHelp;
    // Shows the Options dialog modally; true when OK stored its fields. The
    // platform supplies it.
    std::function<bool()> showOptions;
    // Ends the process at once; the platform supplies it.
    std::function<void()> endProgram;
    // The program icon, for the tray.
    std::optional<Picture> programIcon;

    cSysTray cSysTray1;

private:
    // The numbered steps of a handler: they stop once the program is closing.
    NumberedSteps handlerSteps(const char* location);
    WindowListContext windowListContext() const;
    TypingContext typingContext();
    const IntervalOption& selectedInterval();
    // Asks for the seconds of the "every x seconds" options until the answer
    // is a usable number of seconds, then stores it; the three steps report at
    // their lines.
    void askCustomSeconds(NumberedSteps& steps, int askLine, int testLine, int storeLine);
    // A turn of automatic typing, into the chosen window.
    void typeTurn(const std::string& keys);
    void selectChosenRow();
    // Starts a turn; then runs once it is over, however it ended.
    void startTurn(const std::string& keys, bool automatic, std::function<void(SendOutcome)> then);
    bool turnRunning() const { return turn_ && turn_->running(); }
    // What follows every typing turn: the chosen row selected again after the
    // rebuild, a hotkey press that stopped the turn acted on, and automatic
    // typing stopped once it has typed as many turns as the options say.
    void afterTurn(SendOutcome outcome, bool automatic);
    // Automatic typing turned off by a stop condition, saying why.
    void stopTyping(const std::string& why);
    // The options that shape the schedule, as last read.
    void applyRepeatOptions();
    void setUpHotkey();
    // The start-up boxes as the options stand; setting them raises no click.
    void showStartupOptions();

    Form1Controls c_;
    Services s_;
    ProgramState& program_;
    Schedule schedule_{std::random_device{}()};
    TargetList targets_;
    StartupOptions startupOptions_;
    std::optional<HotkeyCombination> hotkey_;
    bool hotkeyTaken_ = false;  // another program holds the combination
    bool menuOpen_ = false;
    bool windowOpen_ = false;  // the Help or the Options window
    RepeatOptions repeatOptions_;
    // The turn under way, or the last one; one at a time.
    std::unique_ptr<TypingTurn> turn_;
    // Set from a failed write of the key text until one succeeds: a store that
    // is down fails a write per keystroke, and one dialog says it for the run.
    bool keyTextWriteFailing_ = false;
};

}  // namespace mw
