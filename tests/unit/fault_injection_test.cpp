// Faults from outside: a failing settings store, a missing shell, a huge key
// text. Targets that vanish or hang are in the typing engine's tests.
#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "shell/error_dialog.h"
#include "shell/product.h"

namespace mw {
namespace {

class FaultTest : public ::testing::Test, public test::Form1Fixture {
protected:
    FaultTest() { sim.events.onWait = [this](int ms) { sim.clock.now += ms; }; }
};

TEST_F(FaultTest, AFailingStoreIsReportedOnceAtLoadOncePerRunOfKeystrokesAndByEachOtherHandler)
{
    const auto at = [](const char* handler, int line) {
        return errorDialogText("Settings store unavailable", handler, line);
    };
    sim.settings.failReads = true;
    form1->Form_Load();
    EXPECT_EQ(warningTexts(), std::vector<std::string>{at("Form1.Form_Load", 136)})
        << "every read fails the same way; one dialog, at the first, says it";
    EXPECT_EQ(sim.ListView2.count(), 10);
    EXPECT_EQ(sim.form.caption(), kProductTitle);

    sim.dialogs.warnings.clear();
    sim.settings.failWrites = true;
    for (const char* text : {"a", "ab", "abc"}) sim.Text2.setText(text);
    sim.ListView2.clickRow(3);
    sim.PushButton4.click();  // Turn On
    sim.Text2.setText("abcd");
    sim.PushButton4.click();  // Turn Off
    EXPECT_EQ(warningTexts(), (std::vector<std::string>{at("Form1.Text2_Change", 102), at("Form1.ListView2_Click", 100),
                                                        at("Form1.PushButton4_Click", 118),
                                                        at("Form1.PushButton4_Click", 128)}))
        << "one dialog for the keystrokes, not one each; every other handler reports its own";
    EXPECT_EQ(form1->session().schedule().IntervalSeconds(), 10) << "the click still took effect";
    sim.settings.failWrites = false;
    sim.Text2.setText("abcde");
    EXPECT_EQ(sim.settings.values[setting::kTextbox], "abcde");
    sim.settings.failWrites = true;
    sim.Text2.setText("abcdef");
    EXPECT_EQ(sim.dialogs.warnings.size(), 5u) << "a new failure after a recovery is reported again";
}

TEST_F(FaultTest, AShellThatAppearsLaterGetsTheIcon)
{
    sim.tray.shellRunning = false;
    form1->Form_Load();
    EXPECT_FALSE(sim.tray.iconShown);
    EXPECT_TRUE(sim.dialogs.warnings.empty());
    sim.tray.shellRunning = true;
    sim.tray.onTaskbarCreated();
    EXPECT_TRUE(sim.tray.iconShown);
    EXPECT_EQ(sim.tray.log.back().record.tip, kProductTitle);
}

TEST_F(FaultTest, AMegabyteOfKeyTextIsStoredRestoredAndTypedWhole)
{
    std::string text;
    text.reserve(1 << 20);
    for (std::size_t i = 0; i < (1u << 20); ++i) text += static_cast<char>('a' + i % 26);
    sim.windows.add("Target");
    form1->Form_Load();
    sim.Text2.setText(text);
    EXPECT_EQ(sim.settings.values[setting::kTextbox], text);
    sim.PushButton2.click();
    EXPECT_EQ(sim.keys.typed(), text);
    EXPECT_GT(sim.keys.batches.size(), 1000u);
    EXPECT_EQ(sim.keys.waitedFor.size(), sim.keys.batches.size() - 1) << "paced between batches";

    test::Form1Fixture restarted;
    restarted.sim.settings.values = sim.settings.values;
    restarted.form1->Form_Load();
    EXPECT_EQ(restarted.sim.Text2.text(), text);
}

}  // namespace
}  // namespace mw
