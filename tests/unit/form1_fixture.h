#pragma once
// A main window over the simulated platform, for the handler tests.
#include <memory>

#include "main_window/form1.h"
#include "platform/sim/platform.h"

namespace mw::test {

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

    sim::SimPlatform sim;
    ProgramState program;
    std::unique_ptr<Form1> form1;
};

}  // namespace mw::test
