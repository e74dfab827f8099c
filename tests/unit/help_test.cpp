#include "help/form2.h"

#include <gtest/gtest.h>

#include <regex>

#include "form1_fixture.h"
#include "shell/error_dialog.h"
#include "typing/key_notation.h"
#include "typing/key_table.h"
#include "typing/typing_engine.h"

namespace mw {
namespace {

// A help window over simulated controls, built afresh like the real one.
struct HelpWindow {
    explicit HelpWindow(sim::SimPlatform& platform) : services(platform.services()), form2({form, label, list, close}, services) {}
    Services services;
    sim::SimForm form{0x30030};
    sim::SimLabel label;
    sim::SimListView list;
    sim::SimButton close{"Close"};
    Form2 form2;
};

TEST(HelpWindow, ListsTheKeyCodesInOrderUnderTwoColumns)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.form2.Form_Load();
    ASSERT_EQ(help.list.columns.size(), 2u);
    EXPECT_EQ(help.list.columns[0].caption, "Key");
    EXPECT_EQ(help.list.columns[0].widthTwips, 2000);
    EXPECT_EQ(help.list.columns[1].caption, "Command");
    EXPECT_EQ(help.list.columns[1].widthTwips, 3600);
    ASSERT_EQ(help.list.count(), 44);
    EXPECT_EQ(help.list.text(1), "BACKSPACE");
    EXPECT_EQ(help.list.subItem(1), "{BACKSPACE}, {BS}, or {BKSP}");
    EXPECT_EQ(help.list.text(43), "ALT");
    EXPECT_EQ(help.list.subItem(43), "{ALT}");
    EXPECT_EQ(help.list.subItem(44), "{DELAY n}") << "the pause, below the special keys";
    EXPECT_TRUE(platform.dialogs.warnings.empty());
}

TEST(HelpWindow, EveryCodeItShowsIsOneTheKeyBoxAccepts)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.form2.Form_Load();
    const std::regex code(R"(\{[^}]+\})");
    for (int row = 1; row <= help.list.count(); ++row) {
        const std::string command = help.list.subItem(row);
        for (auto it = std::sregex_iterator(command.begin(), command.end(), code); it != std::sregex_iterator(); ++it)
        {
            const std::string shown = it->str() == "{DELAY n}" ? "{DELAY 5}" : it->str();
            EXPECT_NO_THROW(parseKeyString(translateModifierCodes(shown + "a"))) << shown;
        }
    }
}

TEST(HelpWindow, ButtonFaceBackgroundWithAWhiteLabel)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.form2.Form_Load();
    EXPECT_EQ(help.form.backColor(), kButtonFace);
    EXPECT_EQ(help.label.backColor(), kWhite);
}

TEST(HelpWindow, FailingStepsReportTheirLineAndLoadingGoesOn)
{
    sim::SimPlatform platform;
    platform.files.contents[platform.files.folder + "\\HAND-M.CUR"] = "not a cursor";
    HelpWindow help(platform);
    help.form.failPointerLoad = true;
    help.list.failNextAppend = true;  // the first row cannot be added
    help.form2.Form_Load();
    ASSERT_EQ(platform.dialogs.warnings.size(), 2u);
    EXPECT_EQ(platform.dialogs.warnings[0].text, errorDialogText("Invalid picture", "Form2.Form_Load", 102));
    EXPECT_EQ(platform.dialogs.warnings[1].text, errorDialogText("Out of memory", "Form2.Form_Load", 116));
    ASSERT_EQ(help.list.count(), 43);
    EXPECT_EQ(help.list.text(1), "BREAK");
    EXPECT_EQ(help.list.subItem(1), "{BREAK}") << "the failed row's command lands nowhere";
    EXPECT_EQ(help.label.backColor(), kWhite);
}

TEST(HelpWindow, AMissingCursorFileIsNoFailure)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.form2.Form_Load();
    EXPECT_TRUE(platform.dialogs.warnings.empty());
    EXPECT_TRUE(help.form.customPointerPath.empty());
    platform.files.contents[platform.files.folder + "\\HAND-M.CUR"] = "cursor";
    HelpWindow withCursor(platform);
    withCursor.form2.Form_Load();
    EXPECT_EQ(withCursor.form.customPointerPath, platform.files.folder + "\\HAND-M.CUR");
}

TEST(HelpWindow, PointerIsAHandOverCloseAnArrowElsewhereAndNeverReplacesTheHourglass)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.form2.Form_Load();
    help.close.onMouseMove();
    EXPECT_EQ(help.form.mousePointer(), MousePointer::Custom);
    help.list.onMouseMove();
    EXPECT_EQ(help.form.mousePointer(), MousePointer::Default);
    help.close.onMouseMove();
    help.form.onMouseMove();
    EXPECT_EQ(help.form.mousePointer(), MousePointer::Default);
    help.form.setMousePointer(MousePointer::Hourglass);
    for (auto* move : {&help.close.onMouseMove, &help.list.onMouseMove, &help.form.onMouseMove}) (*move)();
    EXPECT_EQ(help.form.mousePointer(), MousePointer::Hourglass);
}

TEST(HelpWindow, CloseUnloadsItAndAHelpWindowThatFailsIsReportedByTheHelpButton)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.close.click();
    EXPECT_EQ(help.form.closeRequests, 1);

    test::Form1Fixture main;
    main.form1->showHelp = [] { fail("Out of memory"); };
    main.sim.PushButton3.click();
    EXPECT_EQ(main.warningTexts(),
              std::vector<std::string>{errorDialogText("Out of memory", "Form1.PushButton3_Click", 100)});
}

}  // namespace
}  // namespace mw
