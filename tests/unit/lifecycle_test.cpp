#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "integration/start_up.h"
#include "shell/error_dialog.h"
#include "shell/product.h"
#include "shell/running_copy.h"
#include "sim/running_copies.h"

namespace mw {
namespace {

const std::string kFolder = "C:\\Program Files\\Marrowind";
const std::string kExpectedData = "\"C:\\Program Files\\Marrowind\\Marrowind.exe\"";

class LifecycleTest : public ::testing::Test, public test::Form1Fixture {
protected:
    LifecycleTest()
    {
        sim.events.onWait = [this](int ms) { sim.clock.now += ms; };
        form1->programIcon = Picture{Picture::Type::Icon, 99};
    }
    std::optional<std::string> runValue(Hive hive) const
    {
        const char* key = hive == Hive::LocalMachine ? kMachineRunKey : kUserRunKey;
        return const_cast<sim::SimRegistry&>(sim.registry).getString(hive, key, "Marrowind.exe");
    }
};

TEST(RunningCopy, AStartShowsTheCopyThatRunsAndRunsItselfOnlyOnceNoCopyHoldsTheToken)
{
    struct Case {
        const char* other;
        std::int64_t releasesAtMs, showsFromMs;
        bool runs;
        std::int64_t decidedAtMs;
    };
    const Case cases[] = {
        {"none", 0, -1, true, 0},
        {"running", -1, 0, false, 0},
        {"closing: gave the token up 0.3 s ago", 300, -1, true, 300},
        {"still starting", -1, 1000, false, 1000},
        {"holding the token and never answering", -1, -1, false, kWaitForRunningCopyMs},
    };
    for (const Case& c : cases) {
        sim::SimClock clock;
        sim::SimRunningCopies copies(clock);
        copies.otherReleasesAtMs = c.releasesAtMs;
        copies.otherShowsFromMs = c.showsFromMs;
        EXPECT_EQ(startAsTheOnlyCopy(copies, clock), c.runs) << c.other;
        EXPECT_EQ(clock.now, c.decidedAtMs) << c.other;
    }
}

TEST_F(LifecycleTest, AFirstStartComesUpWithItsDefaultsAndTheTrayIcon)
{
    form1->Form_Load();
    EXPECT_EQ(sim.form.caption(), kProductTitle);
    ASSERT_FALSE(sim.tray.log.empty());
    EXPECT_EQ(sim.tray.log.back().operation, TrayOperation::Add);
    EXPECT_EQ(sim.tray.log.back().record.tip, kProductTitle);
    EXPECT_EQ(sim.tray.log.back().record.icon, 99u);
    EXPECT_EQ(sim.settings.values[setting::kTextbox], kDefaultKeyText);
    EXPECT_EQ(sim.ListView2.selectedText(), "Type 'Keys' every 5 seconds");
    EXPECT_EQ(sim.PushButton4.caption(), "Turn On");
    EXPECT_EQ(sim.Frame2.caption(), "Off.");
    EXPECT_FALSE(sim.Check4.checked());
    EXPECT_EQ(sim.form.backColor(), kWhite) << "no skin file";
    EXPECT_TRUE(sim.dialogs.warnings.empty());
}

TEST_F(LifecycleTest, ASkinFileGivesTheButtonFaceLookAndAnUnreadableOneIsReported)
{
    const std::string skin = kFolder + "\\x\\o.cjs";
    sim.files.contents[skin] = "skin";
    sim.files.unreadable[skin] = true;
    sim.files.contents[kFolder + "\\HAND-M.CUR"] = "not a cursor";
    sim.form.failPointerLoad = true;
    form1->Form_Load();
    EXPECT_EQ(warningTexts(), (std::vector<std::string>{
                                  errorDialogText("Path/File access error", "Form1.Form_Load", 100),
                                  errorDialogText("Invalid picture", "Form1.Form_Load", 104)}));
    EXPECT_EQ(sim.form.backColor(), kButtonFace);
    for (BackColored* c : std::initializer_list<BackColored*>{&sim.Frame1, &sim.Frame2, &sim.Frame3, &sim.Check4, &sim.Check8})
        EXPECT_EQ(c->backColor(), kButtonFace);
    EXPECT_EQ(sim.form.caption(), kProductTitle) << "startup went on";
}

TEST_F(LifecycleTest, ASkinPathThatIsAFolderOrHiddenIsNoSkin)
{
    sim.files.contents[kFolder + "\\x\\o.cjs"] = "";
    sim.files.notOrdinary[kFolder + "\\x\\o.cjs"] = true;
    form1->Form_Load();
    EXPECT_EQ(sim.form.backColor(), kWhite);
    EXPECT_TRUE(sim.dialogs.warnings.empty());
}

TEST_F(LifecycleTest, ClosingStopsTheTimerFirstRemovesTheIconAndSavesNothing)
{
    sim.settings.values[setting::kStartStopState] = "On";
    form1->Form_Load();
    bool ended = false;
    form1->endProgram = [&] { ended = true; };
    std::vector<std::string> order;
    sim.events.onProcess = [&] {
        order.push_back("events, timer " + std::to_string(sim.Timer1.interval()) + ", icon " +
                        (sim.tray.iconShown ? "shown" : "gone"));
    };
    const auto writes = sim.settings.writes.size();
    form1->Form_QueryUnload();
    form1->Form_Unload();
    EXPECT_EQ(order, (std::vector<std::string>(2, "events, timer 0, icon gone")));
    EXPECT_TRUE(ended);
    EXPECT_EQ(sim.settings.writes.size(), writes);
}

TEST_F(LifecycleTest, OnceClosingHasBegunNoHandlerActsNotEvenOneRunningUnderIt)
{
    sim.windows.add("Target");
    form1->Form_Load();
    form1->endProgram = [] {};
    const auto close = [&] {
        form1->Form_QueryUnload();
        form1->Form_Unload();
    };
    // Closed while the seconds prompt waits: the prompt is not asked again
    // (it would be, for ever, as every box returns at once while quitting).
    sim.ListView2.clickRow(5);
    sim.dialogs.answers.assign(50, std::nullopt);
    sim.dialogs.whileInputOpen = close;
    sim.PushButton4.click();
    EXPECT_EQ(sim.dialogs.prompts.size(), 1u);
    EXPECT_EQ(sim.Timer1.interval(), 0) << "typing was not turned on";
    EXPECT_EQ(writesOf(setting::kStartStopState), 0);
    // A tick or a click that arrives while the shutdown processes events.
    sim.Timer1.setInterval(1000);
    sim.events.onProcess = [&] {
        sim.Timer1.tick();
        sim.PushButton2.click();
        sim.tray.deliver(TrayEvent::LeftDoubleClick);
    };
    close();
    EXPECT_TRUE(sim.keys.batches.empty());
    EXPECT_EQ(form1->session().schedule().ElapsedSeconds(), 0) << "no tick counted";
    EXPECT_FALSE(sim.form.visible());
}

TEST_F(LifecycleTest, WithoutATrayIconMinimisingLeavesTheWindowOnTheTaskbar)
{
    sim.tray.shellRunning = false;
    form1->Form_Load();
    sim.form.setVisible(true);
    sim.form.setWindowState(WindowState::Minimized);
    EXPECT_TRUE(sim.form.visible());
    EXPECT_FALSE(program.MinimizedToTray);
    // The icon comes, the window goes to the tray; a shell restart that will
    // not take the icon back brings the window out again.
    sim.tray.shellRunning = true;
    sim.tray.retryDue();
    sim.form.setWindowState(WindowState::Normal);
    sim.form.setWindowState(WindowState::Minimized);
    ASSERT_FALSE(sim.form.visible());
    sim.tray.shellRunning = false;
    sim.tray.iconShown = false;
    sim.tray.onTaskbarCreated();
    EXPECT_TRUE(sim.form.visible());
    EXPECT_FALSE(program.MinimizedToTray);
}

TEST_F(LifecycleTest, MinimisingHidesToTheTrayWithOneBalloonPerRunAndADoubleClickBringsItBack)
{
    form1->Form_Load();
    sim.form.setVisible(true);
    sim.form.setWindowState(WindowState::Minimized);
    EXPECT_FALSE(sim.form.visible());
    EXPECT_EQ(sim.form.windowState(), WindowState::Normal);
    EXPECT_TRUE(program.MinimizedToTray);
    EXPECT_EQ(sim.tray.log.back().record.info, "") << "the balloon was taken away after 5 s";
    EXPECT_EQ(sim.tray.log[sim.tray.log.size() - 2].record.infoTitle, kProductTitle);
    EXPECT_EQ(sim.tray.log[sim.tray.log.size() - 2].record.info, kMinimizedBalloonText);
    EXPECT_EQ(sim.clock.now, 5000);

    sim.tray.deliver(TrayEvent::RightDoubleClick);
    EXPECT_TRUE(sim.form.visible());
    EXPECT_EQ(sim.form.focusRequests, 1);
    EXPECT_FALSE(program.MinimizedToTray);

    const auto sent = sim.tray.log.size();
    sim.form.setWindowState(WindowState::Minimized);
    EXPECT_FALSE(sim.form.visible());
    EXPECT_EQ(sim.tray.log.size(), sent) << "no second balloon";
}

TEST_F(LifecycleTest, TypingGoesOnDuringTheBalloonWaitAndADoubleClickEndsIt)
{
    sim.windows.add("Target");
    sim.settings.values[setting::kOftenIndex] = "1";
    form1->Form_Load();
    sim.PushButton4.click();
    int waits = 0;
    sim.events.onWait = [&](int) {
        sim.clock.now += 1000;
        sim.Timer1.tick();
        if (++waits == 3) sim.tray.deliver(TrayEvent::LeftDoubleClick);
    };
    sim.form.setWindowState(WindowState::Minimized);
    EXPECT_EQ(sim.keys.batches.size(), 3u) << "three turns while hidden";
    EXPECT_TRUE(sim.form.visible());
    EXPECT_FALSE(program.MinimizedToTray);
}

TEST_F(LifecycleTest, TheStartupBoxesWriteTheirSettingsAndTheEntry)
{
    form1->Form_Load();
    sim.form.setVisible(true);
    sim.Check4.click();
    EXPECT_TRUE(sim.Check8.visible());
    EXPECT_EQ(sim.settings.values[setting::kWindowsStartup], "On");
    EXPECT_EQ(runValue(Hive::LocalMachine), kExpectedData);
    sim.Check8.click();
    EXPECT_EQ(sim.settings.values[setting::kMinimized], "On");
    EXPECT_TRUE(sim.form.visible()) << "the box is for the next start, not the running window";
    EXPECT_EQ(sim.form.windowState(), WindowState::Normal);
    EXPECT_FALSE(program.MinimizedToTray);

    sim.settings.writes.clear();
    sim.Check4.click();
    EXPECT_FALSE(sim.Check8.checked());
    EXPECT_FALSE(sim.Check8.visible());
    EXPECT_EQ(sim.settings.writes, (std::vector<std::pair<std::string, std::string>>{
                                       {setting::kMinimized, "Off"}, {setting::kWindowsStartup, "Off"}}));
    EXPECT_FALSE(runValue(Hive::LocalMachine));
}

TEST_F(LifecycleTest, WithoutRightsToTheMachineKeyTheEntryGoesToTheUsersAndWithNeitherTheUserIsTold)
{
    form1->Form_Load();
    sim.registry.refused[Hive::LocalMachine] = true;
    sim.Check4.click();
    EXPECT_EQ(runValue(Hive::CurrentUser), kExpectedData);
    EXPECT_TRUE(sim.Check4.checked());
    sim.Check4.click();
    EXPECT_FALSE(runValue(Hive::CurrentUser));

    sim.registry.refused[Hive::CurrentUser] = true;
    sim.Check4.click();
    ASSERT_EQ(sim.dialogs.warnings.size(), 1u);
    EXPECT_NE(sim.dialogs.warnings[0].text.find("could not be set to start with Windows"), std::string::npos);
    EXPECT_FALSE(sim.Check4.checked());
    EXPECT_FALSE(sim.Check8.visible());
}

TEST_F(LifecycleTest, AnEntryThatCannotBeRemovedKeepsTheBoxCheckedAndTheUserIsTold)
{
    // Written by a run as administrator; this run may not change the machine-wide key.
    sim.registry.strings[{Hive::LocalMachine, kMachineRunKey, "Marrowind.exe"}] = kExpectedData;
    sim.registry.refused[Hive::LocalMachine] = true;
    sim.settings.values[setting::kMinimized] = "On";
    form1->Form_Load();
    ASSERT_TRUE(sim.Check4.checked());
    sim.Check4.click();
    ASSERT_EQ(sim.dialogs.warnings.size(), 1u);
    EXPECT_NE(sim.dialogs.warnings[0].text.find("still starts with Windows"), std::string::npos);
    EXPECT_TRUE(sim.Check4.checked());
    EXPECT_TRUE(sim.Check8.visible());
    EXPECT_TRUE(sim.Check8.checked());
}

TEST_F(LifecycleTest, TickingTheBoxSwitchesOnAnEntrySwitchedOffInTheSystemsListOrSaysWhyNot)
{
    const sim::SimRegistry::Address flag{Hive::LocalMachine, kStartupApprovedKey, "Marrowind.exe"};
    const std::string switchedOff("\x03\0\0\0\x10\x32\x54\x76\x98\xBA\xDC\x01", 12);
    sim.registry.strings[{Hive::LocalMachine, kMachineRunKey, "Marrowind.exe"}] = kExpectedData;
    sim.registry.binaries[flag] = switchedOff;
    form1->Form_Load();
    ASSERT_FALSE(sim.Check4.checked());
    sim.Check4.click();
    EXPECT_EQ(sim.registry.binaries[flag], std::string("\x02", 1) + std::string(11, '\0'));
    EXPECT_TRUE(sim.Check4.checked());
    EXPECT_TRUE(sim.dialogs.warnings.empty());

    sim.Check4.click();
    sim.registry.binaries[flag] = switchedOff;
    sim.registry.refusedKeys.insert({Hive::LocalMachine, kStartupApprovedKey});
    sim.Check4.click();
    ASSERT_EQ(sim.dialogs.warnings.size(), 1u);
    EXPECT_NE(sim.dialogs.warnings[0].text.find("switched off"), std::string::npos);
    EXPECT_FALSE(sim.Check4.checked());
    EXPECT_EQ(sim.settings.values[setting::kWindowsStartup], "Off");
}

TEST(StartupEntry, NamedAfterTheProgramItselfWithItsQuotedPath)
{
    struct Case {
        std::string folder, file, data;
    };
    const Case cases[] = {
        {"C:\\Tools", "Tool.exe", "\"C:\\Tools\\Tool.exe\""},
        {"C:\\", "Tool.exe", "\"C:\\Tool.exe\""},
        {"C:\\My Programs\\Mw", "Marrowind.exe", "\"C:\\My Programs\\Mw\\Marrowind.exe\""},
    };
    for (const Case& c : cases) {
        sim::SimFiles files;
        sim::SimRegistry registry;
        files.folder = c.folder;
        files.fileName = c.file;
        files.contents[c.folder + "\\Uninstall.exe"] = "another program beside it";
        ASSERT_EQ(AddToStartup(registry, files), StartupChange::Done);
        EXPECT_EQ(registry.getString(Hive::LocalMachine, kMachineRunKey, c.file), c.data);
        EXPECT_FALSE(registry.getString(Hive::LocalMachine, kMachineRunKey, "Uninstall.exe"));
    }
}

TEST_F(LifecycleTest, ALaterStartShowsTheEntryAndStartsInTheTrayWhenBothBoxesWereChecked)
{
    sim.registry.strings[{Hive::CurrentUser, kUserRunKey, "Marrowind.exe"}] = kExpectedData;
    sim.settings.values[setting::kMinimized] = "On";
    form1->Form_Load();
    EXPECT_TRUE(sim.Check4.checked());
    EXPECT_TRUE(sim.Check8.checked());
    EXPECT_TRUE(sim.Check8.visible());
    EXPECT_TRUE(program.MinimizedToTray);
    EXPECT_FALSE(sim.form.visible());
    EXPECT_EQ(writesOf(setting::kWindowsStartup) + writesOf(setting::kMinimized), 0) << "restoring writes nothing";
}

TEST_F(LifecycleTest, AnEntryTheUserSwitchedOffLeavesTheBoxUnchecked)
{
    sim.registry.strings[{Hive::LocalMachine, kMachineRunKey, "Marrowind.exe"}] = kExpectedData;
    sim.registry.binaries[{Hive::LocalMachine, kStartupApprovedKey, "Marrowind.exe"}] = std::string("\x03\0\0\0", 4);
    sim.settings.values[setting::kMinimized] = "On";
    form1->Form_Load();
    EXPECT_FALSE(sim.Check4.checked());
    sim.Check4.click();  // ticked again, the box below shows unchecked
    EXPECT_FALSE(sim.Check8.checked());
    EXPECT_EQ(sim.settings.values[setting::kMinimized], "Off") << "the next start does what the boxes show";
    sim.registry.binaries[{Hive::LocalMachine, kStartupApprovedKey, "Marrowind.exe"}] = std::string("\x02\0\0\0", 4);
    test::Form1Fixture again;
    again.sim.registry = sim.registry;
    again.form1->Form_Load();
    EXPECT_TRUE(again.sim.Check4.checked());
}

TEST_F(LifecycleTest, TheHandShowsOverButtonsTheArrowElsewhereNeverOverTheHourglass)
{
    form1->Form_Load();
    sim.PushButton1.onMouseMove();
    EXPECT_EQ(sim.form.mousePointer(), MousePointer::Custom);
    sim.Frame3.onMouseMove();
    EXPECT_EQ(sim.form.mousePointer(), MousePointer::Default);
    sim.PushButton4.onMouseMove();
    sim.ListView2.onMouseMove();
    EXPECT_EQ(sim.form.mousePointer(), MousePointer::Default);
    sim.form.setMousePointer(MousePointer::Hourglass);
    sim.PushButton2.onMouseMove();
    sim.form.onMouseMove();
    EXPECT_EQ(sim.form.mousePointer(), MousePointer::Hourglass);
}

}  // namespace
}  // namespace mw
