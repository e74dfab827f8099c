// A typing turn as a job: its waits are steps on the simulated clock.
#include "typing/typing_turn.h"

#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "shell/product.h"
#include "typing/typing_engine.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

using Call = sim::SimWindowSystem::Call;

class TurnTest : public ::testing::Test, public test::Form1Fixture {
protected:
    // Options as the Options dialog stores them, then the start.
    void load(std::initializer_list<std::pair<const char*, const char*>> options, const char* often = "1")
    {
        target = sim.windows.add("Target");
        for (const auto& [name, value] : options) sim.settings.values[name] = value;
        sim.settings.values[setting::kOftenIndex] = often;
        form1->Form_Load();
    }
    // Runs the next step of the job, when one is due.
    bool step()
    {
        if (!sim.steps.pending()) return false;
        sim.steps.advance(sim.steps.due() - sim.clock.now);
        return true;
    }
    // A second passes; the timer ticks while it runs.
    void second()
    {
        sim.clock.now += 1000;
        if (sim.Timer1.interval() != 0) sim.Timer1.tick();
    }

    WindowHandle target = kNoWindow;
    std::vector<std::int64_t> sent;  // the times, on the simulated clock, of each piece sent
};

TEST_F(TurnTest, AStopAtAnyStepEndsTheTurnAtOnceWithNoKeyLeftDown)
{
    // Holds and delays make every key a step of its own; "+(ab)" holds Shift
    // across them.
    int steps = 0;
    for (int stopAt = 0;; ++stopAt) {
        test::Form1Fixture f;
        const WindowHandle turnTarget = f.sim.windows.add("Target");
        f.sim.settings.values["KeyHold"] = "30";
        f.sim.settings.values["KeyDelay"] = "20";
        f.form1->Form_Load();
        f.sim.steps.autoRun = false;
        f.sim.Text2.setText("+(ab)c");
        f.sim.PushButton2.click();
        int ran = 0;
        while (ran < stopAt && f.sim.steps.pending()) {
            f.sim.steps.advance(f.sim.steps.due() - f.sim.clock.now);
            ++ran;
        }
        const bool finished = !f.sim.steps.pending();
        f.sim.hotkey.press();  // the user stops it
        bool down = false;
        for (std::uint16_t key = 1; key < 256; ++key) down |= f.sim.keys.keyDown(key);
        EXPECT_FALSE(down) << "stopped after " << ran << " steps";
        EXPECT_FALSE(f.sim.steps.pending());
        EXPECT_EQ(f.sim.windows.calls.back().kind, Call::Release) << ran;
        // Carried out later by the target's thread, an activating release would
        // take the front from whatever window has it by then.
        EXPECT_TRUE(f.sim.windows.releasedWithoutActivation.count(turnTarget)) << ran;
        EXPECT_EQ(f.sim.form.mousePointer(), MousePointer::Default) << ran;
        if (finished) {
            EXPECT_EQ(f.sim.keys.typed(), "ABc");
            steps = ran;
            break;
        }
        EXPECT_EQ(f.sim.Frame2.caption(), kStoppedByHotkeyText) << ran;
        EXPECT_EQ(std::string("ABc").rfind(f.sim.keys.typed(), 0), 0u) << ran << ": what went in, in order";
    }
    EXPECT_EQ(steps, 6) << "coming to the front, then each hold and each delay, is a step";
}

TEST_F(TurnTest, DelaysAndHoldsFollowTheirTimelineAndADelayInTheTextPauses)
{
    load({{"KeyDelay", "20"}, {"KeyHold", "5"}});
    sim.keys.onSend = [this] { sent.push_back(sim.clock.now); };  // the time of each piece
    sim.Text2.setText("abcd{DELAY 800}e");
    const std::int64_t start = sim.clock.now;
    sim.PushButton2.click();
    EXPECT_EQ(sim.keys.typed(), "abcde");
    // Down and up of each key, 5 ms apart; 20 ms from one key to the next.
    std::vector<std::int64_t> expected;
    for (const std::int64_t at : {0, 25, 50, 75}) {
        expected.push_back(at);
        expected.push_back(at + 5);
    }
    for (const std::int64_t at : {75 + 5 + 20 + 800}) {  // the delay after "d", then the pause
        expected.push_back(at);
        expected.push_back(at + 5);
    }
    ASSERT_EQ(sent.size(), expected.size());
    const std::int64_t first = sent.front();
    for (std::size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(sent[i] - first, expected[i]) << i;
    EXPECT_GE(first, start);
}

TEST_F(TurnTest, ATickDuringATurnWaitsForItAndTheCountGoesOnAfterIt)
{
    load({{"KeyDelay", "600"}}, "1");  // a turn of four keys takes 1.8 s
    sim.Text2.setText("abcd");
    sim.steps.autoRun = false;
    sim.PushButton4.click();
    second();  // due: the turn starts
    ASSERT_TRUE(sim.steps.pending());
    second();
    second();
    EXPECT_EQ(form1->session().schedule().ElapsedSeconds(), 0) << "no second counted, no second turn";
    while (step()) {
    }
    EXPECT_EQ(sim.keys.typed(), "abcd");
    second();
    while (step()) {
    }
    EXPECT_EQ(sim.keys.typed(), "abcdabcd") << "the next turn a second after the first ended";
}

TEST_F(TurnTest, TypingStopsAfterSoManyTurnsOrMinutes)
{
    load({{"StopAfterTurns", "3"}}, "1");
    sim.Text2.setText("k");
    sim.PushButton4.click();
    for (int i = 0; i < 6; ++i) second();
    EXPECT_EQ(sim.keys.typed(), "kkk");
    EXPECT_EQ(sim.PushButton4.caption(), "Turn On");
    EXPECT_EQ(sim.settings.values[setting::kStartStopState], "Off");
    EXPECT_EQ(sim.Frame2.caption(), "Off. Stopped after 3 turns.");

    test::Form1Fixture f;
    f.sim.windows.add("Target");
    f.sim.settings.values["StopAfterMinutes"] = "2";
    f.sim.settings.values[setting::kOftenIndex] = "4";  // every 60 seconds
    f.form1->Form_Load();
    f.sim.PushButton4.click();
    for (int i = 0; i < 120; ++i) {
        f.sim.clock.now += 1000;
        f.sim.Timer1.tick();
    }
    EXPECT_EQ(f.sim.PushButton4.caption(), "Turn On");
    EXPECT_EQ(f.sim.Frame2.caption(), "Off. Stopped after 2 minutes.");
    EXPECT_EQ(f.sim.keys.batches.size(), 1u) << "one turn at the minute; the second minute stops it";
}

TEST_F(TurnTest, AnAutomaticTurnWaitsUntilTheUserIsIdle)
{
    load({{"WaitForIdle", "3"}}, "1");
    std::int64_t lastInput = 0;
    sim.keys.idleMs = [&] { return sim.clock.now - lastInput; };
    sim.Text2.setText("k");
    sim.steps.autoRun = false;
    sim.PushButton4.click();
    second();
    EXPECT_EQ(sim.Frame2.caption(), kWaitingForIdleText);
    sim.steps.advance(1500);
    lastInput = sim.clock.now;  // the user types on
    sim.steps.advance(2900);
    EXPECT_EQ(sim.keys.typed(), "");
    EXPECT_TRUE(sim.windows.calls.empty()) << "the target is not touched meanwhile";
    sim.steps.advance(200);
    EXPECT_EQ(sim.keys.typed(), "k");
}

TEST_F(TurnTest, TheFocusGoesBackAfterAnAutomaticTurnAndBackgroundTypingLeavesTheFrontAlone)
{
    load({{"GiveFocusBack", "On"}}, "1");
    const WindowHandle editor = sim.windows.add("Editor");
    sim.windows.foreground = editor;
    sim.Text2.setText("k");
    sim.PushButton4.click();
    second();
    ASSERT_EQ(sim.keys.typed(), "k");
    EXPECT_EQ(sim.windows.foreground, editor);
    EXPECT_EQ(sim.windows.calls.back(), (Call{Call::Foreground, editor})) << "after the release";

    test::Form1Fixture f;
    const WindowHandle host = f.sim.windows.add("Host");
    const WindowHandle other = f.sim.windows.add("Other");
    f.sim.windows.foreground = other;
    f.sim.settings.values["BackgroundTyping"] = "On";
    f.form1->Form_Load();
    f.sim.Text2.setText("Hi{ENTER}");
    f.sim.PushButton2.click();
    EXPECT_EQ(f.sim.posting.typed(), "Hi\r");
    EXPECT_TRUE(f.sim.keys.batches.empty());
    EXPECT_TRUE(f.sim.windows.calls.empty()) << "neither raised, shown nor brought to the front";
    EXPECT_EQ(f.sim.windows.foreground, other);
    EXPECT_EQ(f.sim.posting.posted.front().target, host);
}

TEST_F(TurnTest, APinnedTargetStaysInTheAlwaysOnTopBandAndAnyOtherLeavesIt)
{
    load({});
    sim.Text2.setText("k");
    for (const bool pinned : {true, false}) {
        sim.windows.find(target)->topmost = pinned;
        sim.PushButton2.click();
        EXPECT_EQ(sim.keys.typed().size(), pinned ? 1u : 2u);
        EXPECT_EQ(sim.windows.find(target)->topmost, pinned);
    }
}

TEST_F(TurnTest, InTheBackgroundATextWithCtrlIsRefusedBeforeAnyKeyAndAltStillGoes)
{
    load({{"BackgroundTyping", "On"}});
    sim.Text2.setText("ab^s");
    sim.PushButton2.click();
    EXPECT_TRUE(sim.posting.posted.empty());
    EXPECT_EQ(sim.Frame2.caption(), kControlInBackgroundText);
    EXPECT_TRUE(sim.dialogs.warnings.empty());
    sim.Text2.setText("%f");
    sim.PushButton2.click();
    EXPECT_FALSE(sim.posting.posted.empty());
}

TEST_F(TurnTest, ATurnStoppedWhileTheTargetsKeyboardIsReadNeverAsksForTheFront)
{
    load({});
    sim.Text2.setText("k");
    sim.keys.onLayout = [this] { sim.hotkey.press(); };  // dispatched while the keyboard is read
    sim.PushButton2.click();
    for (const Call& call : sim.windows.calls) EXPECT_NE(call.kind, Call::ForegroundWithInput);
    for (const Call& call : sim.windows.calls) EXPECT_NE(call.kind, Call::Foreground);
    EXPECT_EQ(sim.keys.typed(), "");
    EXPECT_EQ(sim.Frame2.caption(), kStoppedByHotkeyText);
}

}  // namespace
}  // namespace mw
