// Whatever the stored settings hold, startup gives at most one error dialog
// and a working window.
#include <cstdint>
#include <string>
#include <vector>

#include "form1_fixture.h"
#include "integration/start_up.h"
#include "shell/product.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input is the stored values, separated by NUL bytes.
    std::vector<std::string> values(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            values.emplace_back();
        else
            values.back() += static_cast<char>(data[i]);
    }
    const char* keys[] = {mw::setting::kTextbox, mw::setting::kOftenIndex, mw::setting::kStartStopState,
                          mw::setting::kWindowsStartup, mw::setting::kMinimized};
    mw::test::Form1Fixture f;
    // An active start-up entry: only then is the "start minimised" setting read.
    mw::AddToStartup(f.sim.registry, f.sim.files);
    for (std::size_t k = 0; k < values.size() && k < 5; ++k) f.sim.settings.values[keys[k]] = values[k];
    f.sim.dialogs.answers = {"5"};  // the seconds prompt, if a custom option is restored
    f.sim.events.onWait = [&](int ms) { f.sim.clock.now += ms; };
    f.form1->Form_Load();
    if (f.sim.dialogs.warnings.size() > 1) __builtin_trap();
    if (f.sim.ListView2.count() != 10 || f.sim.form.caption() != mw::kProductTitle) __builtin_trap();
    if (f.sim.Text2.text() != f.sim.settings.values[mw::setting::kTextbox]) __builtin_trap();
    return 0;
}
