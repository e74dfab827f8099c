#pragma once
// The main window's logic: its state and the handlers of its controls.
#include <cstdint>
#include <functional>
#include <optional>

#include "main_window/form1_controls.h"
#include "main_window/program_state.h"
#include "platform/services.h"
#include "shell/error_dialog.h"
#include "integration/sys_tray.h"
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

    // Shows the help window modally; the platform supplies it.
    std::function<void()> showHelp;
    // Ends the process at once; the platform supplies it.
    std::function<void()> endProgram;
    // The program icon, for the tray.
    std::optional<Picture> programIcon;

    cSysTray cSysTray1;

    // Scheduler state. The character position is 32-bit so that one-character
    // mode keeps going through key texts longer than 32767 characters.
    std::int32_t IntervalSeconds = 0;
    std::int32_t ElapsedSeconds = 0;
    std::int32_t CharPosition = 1;

private:
    // The numbered steps of a handler: they stop once the program is closing.
    NumberedSteps handlerSteps(const char* location);
    WindowListContext windowListContext() const;
    TypingContext typingContext();
    // Asks for the seconds of the "every x seconds" options until the answer
    // is a usable number of seconds, then stores it; the three steps report at
    // their lines.
    void askCustomSeconds(NumberedSteps& steps, int askLine, int testLine, int storeLine);
    void typeTurn(const std::string& keys);

    // The window automatic typing keeps to: the one in the row the user
    // last chose, or, when no row was chosen since typing was turned on, the
    // one the first turn typed into. kNoWindow until one of those happens.
    WindowHandle chosenWindow_ = kNoWindow;
    void selectChosenRow();
    // What follows every typing turn: the chosen row selected again after the
    // rebuild, and a hotkey press that stopped the turn acted on.
    void afterTurn(SendOutcome outcome);
    void setUpHotkey();

    Form1Controls c_;
    Services s_;
    std::optional<HotkeyCombination> hotkey_;
    bool hotkeyTaken_ = false;  // another program holds the combination
    bool menuOpen_ = false;
    ProgramState& program_;
    // Set while startup restores the start-up options: that is no change by
    // the user, so nothing is written.
    bool restoringOptions_ = false;
    // Set while Check4 is set back after its entry could not be changed.
    bool settingStartupBoxBack_ = false;
    // Set from a failed write of the key text until one succeeds: a store that
    // is down fails a write per keystroke, and one dialog says it for the run.
    bool keyTextWriteFailing_ = false;
};

}  // namespace mw
