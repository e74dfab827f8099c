#include "shell/error_dialog.h"

#include <gtest/gtest.h>

#include "sim/services.h"

namespace mw {
namespace {

TEST(ErrorDialog, TextIsExactlyDescriptionLocationLineAndSupportAddress)
{
    EXPECT_EQ(errorDialogText("Overflow", "Form1.Form_Load", 172),
              "Overflow\r\nin Pellquist2021/08/31.Form1.Form_Load at line 172\r\r"
              "Please email screenshot of this message to support@marrowind.example");
}

TEST(NumberedSteps, AFailingStepIsReportedAndTheNextStepRuns)
{
    sim::SimDialogs dialogs;
    NumberedSteps steps(dialogs, "mProcess.getAllWindows");
    std::vector<int> ran;
    steps.step(100, [&] { ran.push_back(100); });
    steps.step(102, [&] { fail(kTypeMismatch); });
    steps.step(104, [&] { ran.push_back(104); });

    EXPECT_EQ(ran, (std::vector<int>{100, 104}));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].title, "Application Error");
    EXPECT_EQ(dialogs.warnings[0].text, errorDialogText("Type mismatch", "mProcess.getAllWindows", 102));
    EXPECT_FALSE(dialogs.modalOpen());
}

TEST(NumberedSteps, AFailingTestEntersTheConditional)
{
    sim::SimDialogs dialogs;
    NumberedSteps steps(dialogs, "Form1.Form_Load");
    EXPECT_TRUE(steps.test(176, []() -> bool { fail(kIndexOutOfBounds); }));
    EXPECT_FALSE(steps.test(178, [] { return false; }));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].text.find("at line 176"), std::string::npos);
}

TEST(NumberedSteps, TheSameFailureAgainInOneRunIsShownOnceAtItsFirstLine)
{
    sim::SimDialogs dialogs;
    {
        NumberedSteps steps(dialogs, "Form1.Form_Load");
        steps.step(136, [] { fail("Settings store unavailable"); });
        steps.step(172, [] { fail("Settings store unavailable"); });
        steps.test(176, []() -> bool { fail(kIndexOutOfBounds); });
    }
    NumberedSteps nextRun(dialogs, "Form1.Form_Load");
    nextRun.step(186, [] { fail("Settings store unavailable"); });
    std::vector<std::string> texts;
    for (const auto& w : dialogs.warnings) texts.push_back(w.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         errorDialogText("Settings store unavailable", "Form1.Form_Load", 136),
                         errorDialogText(kIndexOutOfBounds, "Form1.Form_Load", 176),
                         errorDialogText("Settings store unavailable", "Form1.Form_Load", 186)}));
}

TEST(NumberedSteps, AnyStandardExceptionIsReportedNotPropagated)
{
    sim::SimDialogs dialogs;
    NumberedSteps steps(dialogs, "Form1.Timer1");
    EXPECT_NO_THROW(steps.step(108, [] { throw std::length_error("basic_string::_M_create"); }));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
}

TEST(Dialogs, ModalOpenOnlyWhileADialogIsShowing)
{
    sim::SimDialogs dialogs;
    bool openDuring = false;
    dialogs.whileWarningOpen = [&] { openDuring = dialogs.modalOpen(); };
    dialogs.warning("text", "title");
    EXPECT_TRUE(openDuring);
    EXPECT_FALSE(dialogs.modalOpen());
}

}  // namespace
}  // namespace mw
