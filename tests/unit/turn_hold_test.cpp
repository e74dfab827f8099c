#include "typing/turn_hold.h"

#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "shell/product.h"
#include "typing/typing_engine.h"

namespace mw {
namespace {

class TurnHoldTest : public ::testing::Test, public test::Form1Fixture {
protected:
    void SetUp() override
    {
        target = sim.windows.add("Target");
        game = sim.windows.add("Game");
        sim.settings.values[setting::kTextbox] = "abc";
        form1->Form_Load();
        sim.windows.calls.clear();
    }
    WindowHandle target = kNoWindow, game = kNoWindow;
};

TEST_F(TurnHoldTest, ATurnThatCannotTypeTouchesNoWindowAndSaysWhy)
{
    enum Hold { Locked, Elevated, ElevatedInFront, FullScreenInFront };
    for (const auto& [hold, text] :
         {std::pair{Locked, kDesktopLockedText}, std::pair{Elevated, kHigherPrivilegesText},
          std::pair{ElevatedInFront, kElevatedInFrontText}, std::pair{FullScreenInFront, kFullScreenInFrontText}}) {
        sim.windows.locked = hold == Locked;
        sim.windows.elevated.clear();
        if (hold == Elevated) sim.windows.elevated.insert(target);
        // An elevated window in front drops the input event that the request
        // for the foreground needs.
        if (hold == ElevatedInFront) sim.windows.elevated.insert(game);
        sim.windows.foreground = hold == FullScreenInFront || hold == ElevatedInFront ? game : kNoWindow;
        sim.windows.fullScreenFront = hold == FullScreenInFront;
        sim.PushButton2.click();
        EXPECT_TRUE(sim.windows.calls.empty()) << hold;
        EXPECT_TRUE(sim.keys.batches.empty()) << hold;
        EXPECT_EQ(sim.Frame2.caption(), text);
        EXPECT_TRUE(sim.dialogs.warnings.empty()) << hold;
    }
}

TEST_F(TurnHoldTest, ATargetThatIsItselfFullScreenIsTypedInto)
{
    sim.windows.foreground = target;
    sim.windows.fullScreenFront = true;
    sim.PushButton2.click();
    EXPECT_EQ(sim.keys.typed(), "abc");
}

TEST_F(TurnHoldTest, TurnsDueWhileTheComputerIsLockedAreSkippedAndTypingGoesOnOnceItIsUnlocked)
{
    sim.PushButton4.click();  // on, every 5 seconds
    sim.windows.locked = true;
    for (int tick = 1; tick <= 10; ++tick) sim.Timer1.tick();
    EXPECT_EQ(sim.Frame2.caption(), kDesktopLockedText);
    EXPECT_EQ(sim.keys.typed(), "");
    EXPECT_TRUE(sim.dialogs.warnings.empty());
    EXPECT_EQ(sim.PushButton4.caption(), "Turn Off") << "typing stays on";
    sim.windows.locked = false;
    for (int tick = 1; tick <= 5; ++tick) sim.Timer1.tick();
    EXPECT_EQ(sim.keys.typed(), "abc");
    EXPECT_EQ(sim.Frame2.caption(), kCompletedText + sim.clock.dateTimeText);
}

TEST_F(TurnHoldTest, ALockInTheMiddleOfATurnEndsItWithoutAnErrorBox)
{
    sim.Text2.setText(std::string(1500, 'x'));  // batches, with waits between them
    for (const bool whileSending : {true, false}) {
        sim.keys.onSend = [&] {
            sim.windows.locked = whileSending;
            sim.keys.failSends = whileSending;  // as SendInput fails with "access denied"
        };
        sim.keys.onWait = [&] { sim.windows.locked = true; };
        sim.keys.answers = {KeyInjector::Taken::FocusLost};  // the lock screen took the front
        sim.PushButton2.click();
        EXPECT_EQ(sim.Frame2.caption(), kDesktopLostText) << whileSending;
        EXPECT_TRUE(sim.dialogs.warnings.empty()) << whileSending;
        EXPECT_EQ(sim.windows.calls.back(), (sim::SimWindowSystem::Call{sim::SimWindowSystem::Call::Release, target}));
        sim.windows.locked = sim.keys.failSends = false;
    }
}

}  // namespace
}  // namespace mw
