#pragma once
// A main window over the simulated platform, for the handler tests and the
// fuzzers: the simulated controls Form1 is made of, as its design has them.
#include <memory>
#include <string>
#include <string_view>

#include "main_window/form1.h"
#include "main_window/form1_layout.h"
#include "sim/controls.h"
#include "sim/list_view.h"
#include "sim/platform.h"

namespace mw::test {

// A control's design text and whether it shows at first.
inline std::string designText(std::string_view name)
{
    return std::string(findControl(form1Layout(), name)->text);
}

struct SimMainWindow : sim::SimPlatform {
    sim::SimForm form;
    sim::SimFrame Frame1{designText("Frame1")}, Frame2{designText("Frame2")}, Frame3{designText("Frame3")};
    sim::SimProgressBar ProgressBar1;
    sim::SimListView ListView1, ListView2;
    sim::SimButton PushButton1{designText("PushButton1")}, PushButton2{designText("PushButton2")},
        PushButton3{designText("PushButton3")}, PushButton4{designText("PushButton4")};
    sim::SimTextBox Text2;
    sim::SimCheckBox Check4, Check8;
    sim::SimTimer Timer1, Timer2, Timer3;

    SimMainWindow() { Check8.setVisible(findControl(form1Layout(), "Check8")->visible); }

    Form1Controls form1Controls()
    {
        return Form1Controls{form,        Frame1,      Frame2,      Frame3,      ProgressBar1,
                             ListView1,   ListView2,   PushButton1, PushButton2, PushButton3,
                             PushButton4, Text2,       Check4,      Check8,      Timer1,
                             Timer2,      Timer3};
    }
};

struct Form1Fixture {
    Form1Fixture() : form1(std::make_unique<Form1>(sim.form1Controls(), sim.services(), program)) {}

    std::vector<std::string> warningTexts() const
    {
        std::vector<std::string> out;
        for (const auto& w : sim.dialogs.warnings) out.push_back(w.text);
        return out;
    }
    int writesOf(const std::string& key) const
    {
        int n = 0;
        for (const auto& [k, v] : sim.settings.writes) n += k == key;
        return n;
    }

    SimMainWindow sim;
    ProgramState program;
    std::unique_ptr<Form1> form1;
};

}  // namespace mw::test
