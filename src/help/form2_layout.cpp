#include "help/form2_layout.h"

#include <array>

namespace mw {
namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlLayout{"Label1", K::Label, "",
                  "The best way to test this software is to work with a blank Notepad file. Start > Run > "
                  "Notepad  [enter]. Below is the text you can input for the pressing of special keys:",
                  120, 135, 7800, 555, 0, kArial9Bold, true, form2_id::kLabel1},
    ControlLayout{"ListView1", K::ListView, "", "", 120, 795, 7800, 3225, 1, kArial9Bold, true, form2_id::kListView1},
    ControlLayout{"PushButton1", K::PushButton, "", "Close", 120, 4110, 7800, 405, 2, kArial1125Bold, true,
                  form2_id::kPushButton1},
};

constexpr FormLayout kForm2{"Form2", "Help", 8040, 4620, kArial9Bold, kControls};

}  // namespace

const FormLayout& form2Layout() { return kForm2; }

}  // namespace mw
