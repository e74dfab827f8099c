#pragma once
// The main window's logic: its state and the handlers of its controls.
#include <cstdint>

#include "main_window/form1_controls.h"
#include "main_window/program_state.h"
#include "platform/services.h"
#include "targets/window_list.h"
#include "typing/typing_engine.h"

namespace mw {

class Form1 {
public:
    Form1(const Form1Controls& controls, const Services& services, ProgramState& program);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void Form_Load();
    void Text2_Change();
    void PushButton1_Click();
    void PushButton2_Click();

    // Scheduler state.
    std::int32_t IntervalSeconds = 0;
    std::int32_t ElapsedSeconds = 0;
    std::int16_t CharPosition = 1;

private:
    WindowListContext windowListContext() const;
    TypingContext typingContext();

    Form1Controls c_;
    Services s_;
    ProgramState& program_;
};

}  // namespace mw
