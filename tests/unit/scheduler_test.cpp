#include <gtest/gtest.h>

#include <functional>

#include "form1_fixture.h"
#include "shell/error_dialog.h"
#include "shell/product.h"

namespace mw {
namespace {

class SchedulerTest : public ::testing::Test, public test::Form1Fixture {
protected:
    void SetUp() override
    {
        target = sim.windows.add("Target");
        sim.settings.values[setting::kTextbox] = "abc";
        form1->Form_Load();
    }
    void chooseOption(int position) { sim.ListView2.clickRow(position); }
    void turnOn(std::initializer_list<std::optional<std::string>> answers = {})
    {
        for (const auto& a : answers) sim.dialogs.answers.push_back(a);
        ASSERT_EQ(sim.PushButton4.caption(), "Turn On");
        sim.PushButton4.click();
    }
    void turnOff()
    {
        ASSERT_EQ(sim.PushButton4.caption(), "Turn Off");
        sim.PushButton4.click();
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) sim.Timer1.tick();
    }
    std::string typedText() const { return sim.keys.typed(); }
    int turns() const
    {
        int n = 0;
        for (const auto& call : sim.windows.calls) n += call.kind == sim::SimWindowSystem::Call::Raise;
        return n;
    }
    std::string caption() const { return sim.Frame2.caption(); }

    WindowHandle target = kNoWindow;
};

TEST_F(SchedulerTest, TheTicksShowTheCountdownAndTheFifthTypes)
{
    EXPECT_EQ(sim.ListView2.selectedText(), "Type 'Keys' every 5 seconds");
    turnOn();
    EXPECT_EQ(sim.PushButton4.caption(), "Turn Off");
    EXPECT_EQ(sim.Timer1.interval(), 1000);
    EXPECT_EQ(sim.settings.values[setting::kStartStopState], "On");
    ticks(4);
    EXPECT_EQ(caption(), "On. Next type will occur in 00:00:01");
    EXPECT_EQ(sim.ProgressBar1.max(), 5);
    EXPECT_EQ(sim.ProgressBar1.value(), 4);
    EXPECT_EQ(turns(), 0);
    sim.Timer1.tick();
    EXPECT_EQ(turns(), 1);
    EXPECT_EQ(typedText(), "abc");
    EXPECT_EQ(caption(), "Auto Type Complete at " + sim.clock.dateTimeText);
    sim.Timer1.tick();
    EXPECT_EQ(caption(), "On. Next type will occur in 00:00:04");
    EXPECT_EQ(sim.ProgressBar1.value(), 1);
}

TEST_F(SchedulerTest, TurningOffAndOnResumesTheCount)
{
    turnOn();
    ticks(3);
    turnOff();
    EXPECT_EQ(caption(), "Off.");
    EXPECT_EQ(sim.Timer1.interval(), 0);
    EXPECT_EQ(sim.settings.values[setting::kStartStopState], "Off");
    EXPECT_EQ(sim.ProgressBar1.value(), 3) << "turning off leaves the bar";
    turnOn();
    ticks(1);
    EXPECT_EQ(turns(), 0);
    ticks(1);
    EXPECT_EQ(turns(), 1);
}

TEST_F(SchedulerTest, OneCharacterModeCyclesAndRestartsAfterAnEditOrAClick)
{
    chooseOption(6);  // one character every second
    turnOn();
    ticks(4);
    EXPECT_EQ(typedText(), "abca");
    sim.Text2.setText("xyz");
    ticks(2);
    EXPECT_EQ(typedText(), "abcaxy");
    chooseOption(6);
    EXPECT_EQ(sim.settings.values[setting::kOftenIndex], "6");
    ticks(1);
    EXPECT_EQ(typedText(), "abcaxyx");
}

TEST_F(SchedulerTest, OneCharacterModeTypesALineBreakAsOneEnterAndEmptyTextRaisesNothing)
{
    sim.Text2.setText("a\r\nb");
    chooseOption(6);
    turnOn();
    ticks(3);
    ASSERT_EQ(sim.keys.batches.size(), 3u);
    EXPECT_EQ(sim.keys.batches[1].inputs.size(), 2u) << "one Enter, down and up";

    sim.Text2.setText("");
    sim.keys.batches.clear();
    const int before = turns();
    ticks(2);
    EXPECT_EQ(turns(), before);
    EXPECT_TRUE(sim.keys.batches.empty());
    EXPECT_EQ(sim.Frame2.caption(), "Nothing typed: the key text is empty.");
}

TEST_F(SchedulerTest, AnXSecondsOptionChosenBeforeAnyNumberWasEnteredIsNeverDue)
{
    turnOn();
    chooseOption(5);  // no number asked for yet: 0 seconds
    ticks(3);
    EXPECT_EQ(turns(), 0);
    EXPECT_EQ(sim.ProgressBar1.max(), 1);
    EXPECT_EQ(sim.ProgressBar1.value(), 0);
    EXPECT_EQ(caption(), "On. Next type will occur in 00:00:03");
}

TEST_F(SchedulerTest, TheSecondsPromptRepeatsUntilTheAnswerIsNumeric)
{
    chooseOption(10);
    EXPECT_EQ(form1->session().schedule().IntervalSeconds(), 0) << "no seconds entered since the start";
    turnOn({std::nullopt, "", "abc", " 2.5 "});
    ASSERT_EQ(sim.dialogs.prompts.size(), 4u);
    EXPECT_EQ(sim.dialogs.prompts[0].text, "Enter number of second(s):");
    EXPECT_EQ(sim.dialogs.prompts[0].title, "Input Number Of Second(s)");
    EXPECT_EQ(form1->session().CustomSeconds(), 2);
    ticks(2);
    EXPECT_EQ(turns(), 1);
}

TEST_F(SchedulerTest, TheSecondsPromptAsksAgainForANumberTheScheduleCannotUse)
{
    struct Case {
        const char* answer;
        int prompts;
        int seconds;
    };
    const Case cases[] = {{"0", 2, 7},       {"-5", 2, 7},     {"0.5", 2, 7},      {"40000", 2, 7},
                          {"32767.5", 2, 7}, {"0.6", 1, 1},    {"32767", 1, 32767}};
    for (const Case& c : cases) {
        chooseOption(10);
        sim.dialogs.prompts.clear();
        turnOn({c.answer, "7"});
        EXPECT_EQ(static_cast<int>(sim.dialogs.prompts.size()), c.prompts) << c.answer;
        EXPECT_EQ(form1->session().CustomSeconds(), c.seconds) << c.answer;
        sim.dialogs.answers.clear();
        turnOff();
    }
    EXPECT_TRUE(sim.dialogs.warnings.empty()) << "no Overflow box";
}

TEST_F(SchedulerTest, TicksArrivingWhileADialogIsOpenAreDropped)
{
    sim.keys.failSends = true;  // every turn fails
    chooseOption(1);
    int nested = 0;
    sim.dialogs.whileWarningOpen = [&] {
        for (int i = 0; i < 5; ++i, ++nested) sim.Timer1.tick();
    };
    turnOn();
    ticks(1);
    EXPECT_EQ(nested, 5);
    EXPECT_EQ(sim.dialogs.warnings.size(), 1u) << "one dialog, not one per second";
    EXPECT_EQ(turns(), 1);
}

TEST_F(SchedulerTest, TypeNowWhileOnLeavesTheCountAndEmptiesTheBar)
{
    turnOn();
    ticks(2);
    sim.PushButton2.click();
    EXPECT_EQ(sim.ProgressBar1.value(), 0);
    ticks(1);
    EXPECT_EQ(sim.ProgressBar1.value(), 3);
    ticks(2);
    EXPECT_EQ(turns(), 2) << "Type Now, then the scheduled turn";
}

TEST_F(SchedulerTest, ChoosingAnIntervalByKeyOrRightClickIsStoredLikeAClick)
{
    turnOn();
    int row = 2;
    for (const auto& choose : {std::function<void()>([&] { sim.ListView2.keyTo(row = 3); }),
                               std::function<void()>([&] { sim.ListView2.rightClickRow(row = 9); })}) {
        ticks(3);
        choose();
        EXPECT_EQ(sim.settings.values[setting::kOftenIndex], std::to_string(row));
        EXPECT_EQ(form1->session().schedule().IntervalSeconds(), row == 3 ? 10 : 60);
        EXPECT_EQ(form1->session().schedule().ElapsedSeconds(), 0);
    }
    EXPECT_EQ(writesOf(setting::kOftenIndex), 2) << "each choice stored once";
}

TEST_F(SchedulerTest, ATickAfterTheTimerStoppedShowsOff)
{
    sim.Frame2.setCaption("x");
    sim.Timer1.tick();
    EXPECT_EQ(caption(), "Off.");
}

TEST(SchedulerStartup, RestoresTheChoiceAskingForSecondsAndTheOnOffState)
{
    test::Form1Fixture f;
    f.sim.settings.values[setting::kOftenIndex] = "5";
    f.sim.settings.values[setting::kStartStopState] = "On";
    f.sim.dialogs.answers = {std::nullopt, "0", "7"};
    f.form1->Form_Load();
    EXPECT_EQ(f.sim.ListView2.selectedPosition(), 5);
    EXPECT_EQ(f.form1->session().CustomSeconds(), 7);
    EXPECT_EQ(f.sim.dialogs.prompts.size(), 3u);
    EXPECT_EQ(f.sim.PushButton4.caption(), "Turn Off");
    EXPECT_EQ(f.sim.Timer1.interval(), 1000);
    EXPECT_EQ(f.form1->session().schedule().ElapsedSeconds(), 0);
    EXPECT_EQ(f.sim.Frame2.caption(), "On. Next type will occur in") << "until the first tick";
}

TEST(SchedulerStartup, AStoredChoiceRoundsHalvesToEvenABadOneIsReportedAndOtherOnOffValuesChangeNothing)
{
    struct Case {
        const char* oftenIndex;
        int line;  // of the one dialog; 0: none
        const char* description;
        int row;
    };
    const Case cases[] = {{"abc", 172, "Type mismatch", 1},      {"\xFF\xFE", 172, "Type mismatch", 1},
                          {"0", 174, "Index out of bounds", 1},  {"-1", 174, "Index out of bounds", 1},
                          {"99", 174, "Index out of bounds", 1}, {"1e2", 174, "Index out of bounds", 1},
                          {"40000", 172, "Overflow", 1},         {"2.5", 0, "", 2},
                          {"3.5", 0, "", 4}};
    for (const Case& c : cases) {
        test::Form1Fixture f;
        f.sim.settings.values[setting::kOftenIndex] = c.oftenIndex;
        f.sim.settings.values[setting::kStartStopState] = "on";
        f.form1->Form_Load();
        std::vector<std::string> dialogs;
        if (c.line) dialogs.push_back(errorDialogText(c.description, "Form1.Form_Load", c.line));
        EXPECT_EQ(f.warningTexts(), dialogs) << c.oftenIndex;
        EXPECT_EQ(f.sim.ListView2.selectedPosition(), c.row) << c.oftenIndex;
        EXPECT_EQ(f.sim.PushButton4.caption(), "Turn On");
        EXPECT_EQ(f.sim.Frame2.caption(), "On. Next type will occur in");
        EXPECT_EQ(f.sim.Timer1.interval(), 0);
    }
}

// The chosen window, found again by its program, title and class: after a
// start with typing on, and after its program restarted.
TEST(ChosenWindow, IsFoundAgainByItsProgramTitleAndClassAndNoOtherWindowGetsTheKeys)
{
    test::Form1Fixture first;
    const auto open = [](test::Form1Fixture& f, const char* title) {
        const WindowHandle w = f.sim.windows.add(title);
        f.sim.windows.find(w)->program = "notepad.exe";
        f.sim.windows.bringToTop(w);
        return w;
    };
    open(first, "Notes - Notepad");
    first.sim.settings.values[setting::kOftenIndex] = "1";
    first.form1->Form_Load();
    first.sim.ListView1.clickRow(1);
    first.sim.PushButton4.click();  // on, stored so

    test::Form1Fixture next;  // the next start, with the same store
    next.sim.settings.values = first.sim.settings.values;
    next.form1->Form_Load();
    const auto second = [&] {
        next.sim.clock.now += 1000;
        next.sim.Timer1.tick();
    };
    second();
    EXPECT_EQ(next.sim.Frame2.caption(), "Waiting for notepad.exe \"Notes - Notepad\"\xE2\x80\xA6");
    open(next, "Other - Notepad");
    second();
    EXPECT_TRUE(next.sim.keys.batches.empty()) << "a window of another title is not the one";
    const WindowHandle notes = open(next, "Notes - Notepad");
    open(next, "Another window on top");
    second();
    ASSERT_EQ(next.sim.keys.batches.size(), 1u);
    EXPECT_EQ(next.sim.keys.batches[0].target, notes);

    next.sim.windows.destroy(notes);
    second();
    EXPECT_EQ(next.sim.Frame2.caption(), kChosenWindowClosedText);
    EXPECT_EQ(next.form1->targets().rowOf(notes), 0) << "its row is gone from the list";
    const WindowHandle restarted = open(next, "Notes - Notepad");
    second();
    ASSERT_EQ(next.sim.keys.batches.size(), 2u);
    EXPECT_EQ(next.sim.keys.batches[1].target, restarted);
}

}  // namespace
}  // namespace mw
