#include "targets/foreground.h"

#include <gtest/gtest.h>

#include "turn_harness.h"
#include "typing/typing_engine.h"

namespace mw {
namespace {

using Call = sim::SimWindowSystem::Call;

TEST(Foreground, AConsoleWindowTakesTheKeysThoughItsNamedThreadHasNoWindow)
{
    test::TurnHarness turn;
    const WindowHandle console = turn.sim.windows.addConsole("Command Prompt");
    turn.start(console, "dir{ENTER}");
    EXPECT_EQ(turn.sim.keys.typed(), "dir\r");
    EXPECT_EQ(turn.status, kCompletedText + turn.sim.clock.dateTimeText);
}

TEST(Foreground, AgainstTheForegroundLockTheRequestComesWithInputOfOurOwn)
{
    test::TurnHarness turn;
    sim::SimWindowSystem& windows = turn.sim.windows;
    const WindowHandle target = windows.add("Target");
    windows.foreground = windows.add("Editor the user works in");
    windows.foregroundLocked = true;
    turn.start(target, "a");
    EXPECT_EQ(turn.sim.keys.typed(), "a");
    std::vector<Call> asked;
    for (const Call& call : windows.calls)
        if (call.kind == Call::Foreground || call.kind == Call::ForegroundWithInput) asked.push_back(call);
    EXPECT_EQ(asked, (std::vector<Call>{{Call::Foreground, target}, {Call::ForegroundWithInput, target}}));
}

}  // namespace
}  // namespace mw
