#include "typing/typing_engine.h"

#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "turn_harness.h"
#include "shell/error_dialog.h"
#include "typing/key_notation.h"

namespace mw {
namespace {

using Call = sim::SimWindowSystem::Call;

class TypingTest : public ::testing::Test, public test::Form1Fixture {
protected:
    void SetUp() override
    {
        target = sim.windows.add("Target");
        other = sim.windows.add("Other");
        form1->Form_Load();
        ASSERT_EQ(sim.ListView1.selectedText(), "Target");
        sim.windows.calls.clear();
    }
    void typeNow(const std::string& keys)
    {
        sim.Text2.setText(keys);
        sim.PushButton2.click();
    }
    std::vector<KeyInput> sent() const
    {
        std::vector<KeyInput> all;
        for (const auto& batch : sim.keys.batches) all.insert(all.end(), batch.inputs.begin(), batch.inputs.end());
        return all;
    }

    WindowHandle target = kNoWindow, other = kNoWindow;
};

TEST_F(TypingTest, ATurnRaisesTypesReleasesReportsAndRebuildsTheList)
{
    sim.ListView1.clickRow(1);
    typeNow("abc{ENTER}");
    EXPECT_EQ(sim.windows.calls, (std::vector<Call>{{Call::Raise, target},
                                                     {Call::Show, target},
                                                     {Call::Foreground, target},
                                                     {Call::Release, target}}));
    ASSERT_EQ(sim.keys.batches.size(), 1u);
    EXPECT_EQ(sim.keys.batches[0].target, target);
    EXPECT_EQ(sim.keys.typed(), "abc\r");
    EXPECT_EQ(sim.Frame2.caption(), "Auto Type Complete at " + sim.clock.dateTimeText);
    EXPECT_EQ(sim.ListView1.selectedText(), "Target") << "the released target is on top of the rebuilt list";
    EXPECT_TRUE(sim.dialogs.warnings.empty());
    EXPECT_TRUE(sim.keys.waitedFor.empty()) << "the turn does not wait for the target";
}

TEST_F(TypingTest, ModifierCodesAreTranslatedOnlyWhenWrittenInCapitals)
{
    EXPECT_EQ(translateModifierCodes("{SHIFT}a{CTRL}c{ALT}f"), "+a^c%f");
    EXPECT_EQ(translateModifierCodes("{shift}a{Ctrl}"), "{shift}a{Ctrl}");
    typeNow("{SHIFT}a{CTRL}c{ALT}f");
    const auto codes = sent();
    sim.keys.batches.clear();
    typeNow("+a^c%f");
    EXPECT_EQ(codes, sent());
}

TEST_F(TypingTest, AnEmptyTextOrOneThatDoesNotParseTouchesNoWindowAndSaysWhy)
{
    const struct {
        const char* keys;
        const char* status;
    } cases[] = {
        {"", "Nothing typed: the key text is empty."},
        {"Hello {FOO} world", "Nothing typed: Unknown key code {FOO} at position 7."},
        {"{shift}a", "Nothing typed: Unknown key code {shift} at position 1."},
    };
    for (const auto& c : cases) {
        sim.windows.calls.clear();
        typeNow(c.keys);
        EXPECT_TRUE(sim.keys.batches.empty()) << c.keys;
        EXPECT_TRUE(sim.dialogs.warnings.empty()) << c.keys;
        EXPECT_TRUE(sim.windows.calls.empty()) << c.keys;
        EXPECT_EQ(sim.Frame2.caption(), c.status);
    }
}

TEST(TypingTarget, NothingIsTypedWhenItIsGoneHungOrCannotComeToTheFront)
{
    enum Fault { GoneBeforeTheTurn, GoneWhenRaised, ForegroundRefused, Hung };
    for (const Fault fault : {GoneBeforeTheTurn, GoneWhenRaised, ForegroundRefused, Hung}) {
        test::Form1Fixture f;
        sim::SimWindowSystem& windows = f.sim.windows;
        const WindowHandle target = windows.add("Target");
        windows.add("Other");
        f.form1->Form_Load();
        if (fault == GoneBeforeTheTurn) windows.destroy(target);  // closed after the list was filled
        if (fault == GoneWhenRaised)
            windows.onCall = [&](const Call& call) {
                if (call.kind == Call::Raise) windows.destroy(target);
            };
        windows.refuseForeground = fault == ForegroundRefused;
        if (fault == Hung) windows.hung.insert(target);
        f.sim.PushButton2.click();
        EXPECT_TRUE(f.sim.keys.batches.empty()) << fault;
        EXPECT_EQ(f.sim.Frame2.caption(), kNotInFrontText) << fault;
        EXPECT_EQ(windows.calls.back(), (Call{Call::Release, target})) << fault;
        EXPECT_TRUE(f.sim.dialogs.warnings.empty()) << fault;
        EXPECT_EQ(f.sim.ListView1.selectedText(), fault <= GoneWhenRaised ? "Other" : "Target") << "rebuilt, " << fault;
    }
}

TEST_F(TypingTest, TheProgramNeverTypesIntoItsOwnWindow)
{
    // The list never offers it; should a turn ever be given it, it types nothing.
    test::TurnHarness turn;
    turn.mainWindow = turn.sim.windows.add("Marrowind");
    turn.start(turn.mainWindow, "abc");
    EXPECT_TRUE(turn.sim.windows.calls.empty());
    EXPECT_TRUE(turn.sim.keys.batches.empty());
    EXPECT_EQ(turn.status, "Auto Type Complete at " + turn.sim.clock.dateTimeText);
}

TEST_F(TypingTest, ASendTheSystemRefusesIsReportedAndTheTargetIsStillReleased)
{
    sim.keys.failSends = true;
    typeNow("abc");
    ASSERT_EQ(sim.dialogs.warnings.size(), 1u);
    EXPECT_EQ(sim.dialogs.warnings[0].text,
              errorDialogText("The system accepted 0 of 6 key events", "mTypedKeys.TypeTextbox", 113));
    EXPECT_EQ(sim.windows.calls.back(), (Call{Call::Release, target}));
}

TEST_F(TypingTest, AnEmptyListReportsNoWindowsOnATurnAndTypeNowDoesNothing)
{
    sim.windows.stack.clear();
    sim.PushButton1.click();
    sim.Frame2.setCaption("before");
    typeNow("abc");
    EXPECT_EQ(sim.Frame2.caption(), "before");
    EXPECT_EQ(sim.form.mousePointer(), MousePointer::Default);

    test::TurnHarness turn;
    turn.start(kNoWindow, "abc");
    EXPECT_EQ(turn.status, "No windows found to type.");
    EXPECT_TRUE(turn.sim.windows.calls.empty());
}

TEST_F(TypingTest, TypeNowShowsTheHourglassWhileTypingAndEmptiesTheProgressBar)
{
    MousePointer during = MousePointer::Default;
    sim.keys.onSend = [&] { during = sim.form.mousePointer(); };
    sim.ProgressBar1.setValue(3);
    typeNow("a");
    EXPECT_EQ(during, MousePointer::Hourglass);
    EXPECT_EQ(sim.form.mousePointer(), MousePointer::Default);
    EXPECT_EQ(sim.ProgressBar1.value(), 0);
}

TEST(TypingProgress, ALongTurnCountsItsKeysRisingAndAShortOneShowsNone)
{
    test::TurnHarness turn;
    const WindowHandle target = turn.sim.windows.add("Target");
    TurnOptions paced;
    paced.keyDelayMs = 2;  // 3,000 keys, shifted ones among them: six seconds
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "a+bC";
    turn.start(target, text, paced);
    ASSERT_EQ(turn.outcome, SendOutcome::Sent);
    ASSERT_GT(turn.progress.size(), 2u);
    EXPECT_GE(turn.progress.front().atMs, kProgressAfterMs);
    for (std::size_t i = 1; i < turn.progress.size(); ++i) {
        EXPECT_GT(turn.progress[i].typed, turn.progress[i - 1].typed);
        EXPECT_GE(turn.progress[i].atMs - turn.progress[i - 1].atMs, kProgressEveryMs);
    }
    EXPECT_EQ(turn.progress.front().text.rfind("Typing\xE2\x80\xA6 ", 0), 0u);
    EXPECT_NE(turn.progress.back().text.find(" of 3,000"), std::string::npos) << turn.progress.back().text;

    turn.progress.clear();
    turn.start(target, "short", paced);
    EXPECT_TRUE(turn.progress.empty());
}

TEST(TypingPaced, AModifierTheSystemLetGoOfMidTurnIsPressedAgainBeforeTheNextKey)
{
    test::TurnHarness turn;
    const WindowHandle target = turn.sim.windows.add("Target");
    TurnOptions paced;
    paced.keyDelayMs = 50;
    turn.sim.keys.afterSend = [&] {
        if (turn.sim.keys.batches.size() == 1) turn.sim.keys.letGo(0x10);
    };
    turn.start(target, "+(abcd)e", paced);
    EXPECT_EQ(turn.sim.keys.typed(), "ABCDe");
    EXPECT_FALSE(turn.sim.keys.keyDown(0x10));
}

TEST(TypingFeed, ALongTextGoesInWholeAndInOrderAndTheTargetSeldomWaitsWithItsQueueBounded)
{
    std::string text;
    for (int i = 0; i < 20000; ++i) text += static_cast<char>('a' + i % 26);
    const std::size_t batches = 2 * text.size() / kMaxEventsPerBatch;
    struct Case {
        const char* name;
        double keysPerMs, thenKeysPerMs;  // the target's pace, and from the middle on
    };
    for (const Case& c : {Case{"fast", 4, 4}, Case{"slow", 0.1, 0.1}, Case{"slowing down", 4, 1},
                          Case{"speeding up", 0.5, 4}}) {
        test::Form1Fixture f;
        f.sim.windows.add("Target");
        f.form1->Form_Load();
        f.sim.keys.pace(f.sim.clock, c.keysPerMs);
        f.sim.keys.onSend = [&] {
            if (f.sim.keys.batches.size() == batches / 2) f.sim.keys.pace(f.sim.clock, c.thenKeysPerMs);
        };
        f.sim.Text2.setText(text);
        f.sim.PushButton2.click();
        EXPECT_EQ(f.sim.keys.typed(), text) << c.name;
        EXPECT_EQ(f.sim.keys.batches.size(), batches) << c.name;
        // Each batch goes before the target has taken the last, except when
        // the turn must see it take them all: so many batches at most.
        EXPECT_LE(f.sim.keys.waitedMs.size(), batches / 2) << c.name;
        for (const double waited : f.sim.keys.waitedMs)
            EXPECT_LE(waited, static_cast<double>(kFeedLookAtMostMs)) << c.name << ": till the next look at most";
        EXPECT_LE(f.sim.keys.mostQueued, kFeedBatchesAhead * kMaxEventsPerBatch) << c.name;
    }
}

TEST_F(TypingTest, ATargetThatStopsTakingKeysOrLosesTheFrontGetsNothingMore)
{
    const std::string text(3000, 'x');  // several batches
    for (const auto& [answer, status] : {std::pair{KeyInjector::Taken::NotResponding, kNotRespondingText},
                                         std::pair{KeyInjector::Taken::FocusLost, kFocusLostText}}) {
        sim.keys.batches.clear();
        sim.keys.answers = {answer};
        sim.windows.calls.clear();
        typeNow(text);
        EXPECT_EQ(sim.keys.batches.size(), 1u) << status;
        EXPECT_EQ(sim.Frame2.caption(), status);
        EXPECT_EQ(sim.windows.calls.back(), (Call{Call::Release, target})) << "the target is still released";
        EXPECT_TRUE(sim.dialogs.warnings.empty());
    }
}

TEST_F(TypingTest, HeldModifiersAndButtonsAreWaitedForUpToABoundBeforeTheTargetIsTouched)
{
    struct Case {
        const char* name;
        HeldInput held;
        int letGoAfterMs;  // -1: held for good
        bool hotkeyPressed;
        std::string typed;
        std::string status;  // empty: the turn completed
    };
    const Case cases[] = {
        {"Ctrl", {false, true}, 300, false, "abc", ""},
        {"Win, almost to the bound", {false, false, false, true}, 4980, false, "abc", ""},
        {"a mouse button", {false, false, false, false, true}, -1, false, "", kKeyboardHeldText},
        {"Shift, then the hotkey", {true}, -1, true, "", kStoppedByHotkeyText},
    };
    for (const Case& c : cases) {
        test::Form1Fixture f;
        const WindowHandle window = f.sim.windows.add("Target");
        f.form1->Form_Load();
        f.sim.keys.userHolds = c.held;
        std::vector<std::string> statusWhileWaiting;
        bool inFrontWhileHeld = false;
        const std::int64_t start = f.sim.clock.now;
        f.sim.keys.onHeldLook = [&] {
            statusWhileWaiting.push_back(f.sim.Frame2.caption());
            for (const Call& call : f.sim.windows.calls) inFrontWhileHeld |= call.kind == Call::Foreground;
            if (c.letGoAfterMs >= 0 && f.sim.clock.now - start >= c.letGoAfterMs) f.sim.keys.userHolds = {};
            if (c.hotkeyPressed && f.sim.clock.now > start) f.sim.hotkey.press();
        };
        f.sim.Text2.setText("abc");
        f.sim.PushButton2.click();
        EXPECT_EQ(f.sim.keys.typed(), c.typed) << c.name;
        EXPECT_EQ(f.sim.Frame2.caption(), c.status.empty() ? kCompletedText + f.sim.clock.dateTimeText : c.status)
            << c.name;
        ASSERT_GT(statusWhileWaiting.size(), 1u) << c.name;
        EXPECT_EQ(statusWhileWaiting.back(), "Waiting for the keyboard\xE2\x80\xA6") << c.name;
        EXPECT_FALSE(inFrontWhileHeld) << c.name << ": the target comes to the front once they are let go";
        EXPECT_LE(f.sim.clock.now - start, 5000 + 20) << c.name << ": for five seconds at most";
        if (c.typed.empty())
            EXPECT_TRUE(f.sim.windows.calls.empty()) << c.name << ": a turn that cannot type leaves the target alone";
        else
            EXPECT_EQ(f.sim.windows.calls.back(), (Call{Call::Release, window})) << c.name;
        EXPECT_TRUE(f.sim.dialogs.warnings.empty()) << c.name;
    }
}

TEST_F(TypingTest, KeysTheUserPressesEndALongTurnAndAButtonHeldBetweenBatchesIsWaitedFor)
{
    const std::string text(3000, 'x');  // six batches
    sim.keys.onWait = [&] { ++sim.keys.userPresses; };  // typed while the target takes the first
    typeNow(text);
    EXPECT_EQ(sim.keys.batches.size(), 1u);
    EXPECT_EQ(sim.Frame2.caption(), kStoppedByUserKeysText);
    EXPECT_EQ(sim.windows.calls.back(), (Call{Call::Release, target}));
    // In automatic typing the user taking over the keyboard turns it off, as
    // the hotkey does.
    sim.ListView2.clickRow(1);
    sim.PushButton4.click();
    sim.Timer1.tick();
    EXPECT_EQ(sim.PushButton4.caption(), "Turn On");
    EXPECT_EQ(sim.Frame2.caption(), std::string("Off. ") + kStoppedByUserKeysText);

    const std::size_t before = sim.keys.typed().size();
    sim.keys.batches.clear();
    sim.keys.waitedFor.clear();
    int looks = 0;
    sim.keys.onWait = [&] { sim.keys.userHolds.mouseButton = sim.keys.waitedFor.size() == 1; };
    sim.keys.onHeldLook = [&] {
        if (sim.keys.userHolds.mouseButton && ++looks == 3) sim.keys.userHolds = {};
    };
    typeNow(text);
    EXPECT_EQ(sim.keys.typed().size() - before, text.size()) << "the rest went once the button was let go";
    EXPECT_EQ(looks, 3);
    EXPECT_EQ(sim.Frame2.caption(), kCompletedText + sim.clock.dateTimeText);
}

TEST_F(TypingTest, CapsLockSwitchedByTheUserBetweenBatchesIsRespected)
{
    sim.keys.onWait = [&] { sim.keys.capsLock = !sim.keys.capsLock; };  // pressed while the target takes keys
    typeNow(std::string(1500, 'x'));                                      // three batches, two waits
    EXPECT_EQ(sim.keys.typed(), std::string(1500, 'x'));
    EXPECT_FALSE(sim.keys.capsLock) << "switched on and off again by the user";
}

TEST_F(TypingTest, AShortSendReportsTheSystemsReasonAndLeavesNoKeyDownAndTheLockAsItWas)
{
    sim.keys.capsLock = true;
    sim.keys.shortSend = 3;  // Caps Lock off, and "A" down
    typeNow("abc");
    ASSERT_EQ(sim.dialogs.warnings.size(), 1u);
    EXPECT_EQ(sim.dialogs.warnings[0].text,
              errorDialogText("The system accepted 3 of 10 key events: The input was blocked", "mTypedKeys.TypeTextbox",
                              113));
    EXPECT_FALSE(sim.keys.keyDown('A'));
    EXPECT_TRUE(sim.keys.capsLock);
    EXPECT_EQ(sim.keys.typed(), "a");
}

}  // namespace
}  // namespace mw
