#pragma once
// One typing turn over the simulated platform, with no window of the
// program's around it: what it shows, how often it rebuilt the list and how
// it ended.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/platform.h"
#include "typing/typing_turn.h"

namespace mw::test {

struct TurnHarness {
    // Starts a turn into the target; its steps run as the message loop would
    // run them, unless the test turned sim.steps.autoRun off.
    TypingTurn& start(WindowHandle target, const std::string& keys, const TurnOptions& options = {})
    {
        TurnEvents events;
        events.status = [this](const std::string& text) { status = text; };
        events.rebuildList = [this] { ++rebuilds; };
        events.finished = [this](SendOutcome how) { outcome = how; };
        events.progress = [this](std::size_t typed, std::size_t, const std::string& text) {
            progress.push_back({typed, text, sim.clock.now});
        };
        turn = std::make_unique<TypingTurn>(TypingContext{services, mainWindow}, target, keys, options,
                                            std::move(events));
        turn->start();
        sim.steps.settle();
        return *turn;
    }

    sim::SimPlatform sim;
    Services services = sim.services();
    WindowHandle mainWindow = kNoWindow;
    std::string status;
    int rebuilds = 0;
    std::optional<SendOutcome> outcome;
    struct Progress {
        std::size_t typed;
        std::string text;
        std::int64_t atMs;
    };
    std::vector<Progress> progress;
    std::unique_ptr<TypingTurn> turn;
};

}  // namespace mw::test
