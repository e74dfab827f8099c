#pragma once
#include "platform/controls.h"
#include "platform/list_view.h"

namespace mw {

// The main window's controls, as the handlers see them.
struct Form1Controls {
    Form& form;
    Frame& Frame1;
    Frame& Frame2;
    Frame& Frame3;
    ProgressBar& ProgressBar1;
    ListView& ListView1;
    ListView& ListView2;
    Button& PushButton1;
    Button& PushButton2;
    Button& PushButton3;
    Button& PushButton4;
    TextBox& Text2;
    CheckBox& Check4;
    CheckBox& Check8;
    Timer& Timer1;
    Timer& Timer2;  // the sequences' one-second tick
    // One-shot: checks the key text once the user has paused after a change.
    Timer& Timer3;
};

}  // namespace mw
