// A turn on its own, at the points where a slip leaves the program in a
// state the user cannot see: the hotkey left unclaimed, the user's keys not
// heard, a turn that never ends.
#include <gtest/gtest.h>

#include "turn_harness.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

struct TurnFaults : ::testing::Test {
    test::TurnHarness turn;
    WindowHandle target = turn.sim.windows.add("Target");
    TurnOptions paced = [] {
        TurnOptions o;
        o.keyDelayMs = 50;
        return o;
    }();
};

TEST_F(TurnFaults, AnEndInTheMiddleOfKeysThatPressTheHotkeyClaimsItAgain)
{
    turn.sim.hotkey.claim(1, *parseHotkey("^%{F9}"), [] {});
    turn.sim.keys.afterSend = [&] { turn.sim.windows.foreground = kNoWindow; };  // the user took the front
    turn.start(target, "a^%{F9}b", paced);
    EXPECT_EQ(turn.outcome, SendOutcome::FocusLost);
    EXPECT_EQ(turn.sim.hotkey.suspended, 0);
}

TEST_F(TurnFaults, AKeyTheUserPressesBetweenPacedKeysEndsTheTurnBeforeTheNext)
{
    turn.sim.keys.afterSend = [&] {
        if (turn.sim.keys.batches.size() == 2) ++turn.sim.keys.userPresses;
    };
    turn.start(target, "abcd", paced);
    EXPECT_EQ(turn.outcome, SendOutcome::StoppedByUserKeys);
    EXPECT_EQ(turn.sim.keys.typed(), "ab");
}

TEST_F(TurnFaults, AStopWhileTheFocusGoesBackEndsTheTurnOnceAsItWas)
{
    const WindowHandle editor = turn.sim.windows.add("Editor");
    turn.sim.windows.foreground = editor;
    TurnOptions back;
    back.giveFocusBack = true;
    // The editor takes the front back only after a while.
    turn.sim.windows.onCall = [&](const sim::SimWindowSystem::Call& call) {
        if (call.window == editor) turn.sim.windows.refuseForeground = true;
    };
    turn.sim.steps.autoRun = false;
    turn.start(target, "k", back);
    turn.sim.steps.advance(100);
    ASSERT_FALSE(turn.outcome.has_value()) << "still giving the focus back";
    turn.turn->stop(SendOutcome::TurnedOff);
    EXPECT_EQ(turn.outcome, SendOutcome::Sent) << "its keys had gone";
    EXPECT_FALSE(turn.turn->running());
    EXPECT_EQ(turn.sim.keys.typed(), "k");
}

}  // namespace
}  // namespace mw
