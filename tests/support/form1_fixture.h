#pragma once
// A main window over the simulated platform, for the handler tests and the
// fuzzers: the simulated controls Form1 is made of, as its design has them.
#include <memory>

#include "main_window/form1.h"
#include "sim/controls.h"
#include "sim/list_view.h"
#include "sim/platform.h"

namespace mw::test {

struct SimMainWindow : sim::SimPlatform {
    sim::SimForm form;
    sim::SimFrame Frame1{"Keys"}, Frame2{"On. Next type will occur in"}, Frame3{"Startup Options"};
    sim::SimProgressBar ProgressBar1;
    sim::SimListView ListView1, ListView2;
    sim::SimButton PushButton1{"Refresh List"}, PushButton2{"Type Now (Test)"}, PushButton3{"Help"},
        PushButton4{"Turn On"};
    sim::SimTextBox Text2;
    sim::SimCheckBox Check4, Check8;
    sim::SimTimer Timer1;

    SimMainWindow() { Check8.setVisible(false); }  // hidden at design time

    Form1Controls form1Controls()
    {
        return Form1Controls{form,        Frame1,      Frame2,      Frame3,      ProgressBar1,
                             ListView1,   ListView2,   PushButton1, PushButton2, PushButton3,
                             PushButton4, Text2,       Check4,      Check8,      Timer1};
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
