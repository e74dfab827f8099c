#include "main_window/form1_layout.h"

#include <array>

namespace mw {
namespace {

using K = ControlKind;
constexpr FontSpec kForm = kArial9Bold;
constexpr FontSpec kButton = kArial1125Bold;

// Top to bottom as the window shows them.
constexpr std::array kControls{
    ControlLayout{"Frame2", K::Frame, "", "On. Next type will occur in", 120, 90, 7800, 840, 6, kForm, true, form1_id::kFrame2},
    ControlLayout{"ProgressBar1", K::ProgressBar, "Frame2", "", 240, 285, 7290, 405, 8, kForm, true, form1_id::kProgressBar1},
    ControlLayout{"ListView1", K::ListView, "", "", 120, 1050, 7800, 3225, 0, kForm, true, form1_id::kListView1},
    ControlLayout{"PushButton1", K::PushButton, "", "Refresh List", 120, 4370, 3840, 405, 9, kButton, true, form1_id::kPushButton1},
    ControlLayout{"PushButton3", K::PushButton, "", "Help", 4080, 4370, 3840, 405, 7, kButton, true, form1_id::kPushButton3},
    ControlLayout{"Frame1", K::Frame, "", "Keys", 120, 4810, 7800, 1275, 2, kForm, true, form1_id::kFrame1},
    ControlLayout{"Text2", K::TextBox, "Frame1", "", 180, 315, 7440, 825, 3, kForm, true, form1_id::kText2},
    ControlLayout{"Frame3", K::Frame, "", "Startup Options", 120, 6140, 7800, 735, 12, kForm, true, form1_id::kFrame3},
    ControlLayout{"Check4", K::CheckBox, "Frame3", "Load this software on Windows startup", 240, 300, 3930, 285, 13, kForm, true, form1_id::kCheck4},
    ControlLayout{"Check8", K::CheckBox, "Frame3", "Minimized to system tray", 4320, 300, 2580, 285, 14, kForm, false, form1_id::kCheck8},
    ControlLayout{"ListView2", K::ListView, "", "", 120, 6975, 7800, 1575, 5, kForm, true, form1_id::kListView2},
    ControlLayout{"PushButton4", K::PushButton, "", "Turn On", 120, 8640, 3840, 405, 10, kButton, true, form1_id::kPushButton4},
    ControlLayout{"PushButton2", K::PushButton, "", "Type Now (Test)", 4080, 8640, 3840, 405, 11, kButton, true, form1_id::kPushButton2},
};

constexpr FormLayout kForm1{"Form1", "Form1", 8040, 9150, kForm, kControls};

}  // namespace

const FormLayout& form1Layout() { return kForm1; }

}  // namespace mw
