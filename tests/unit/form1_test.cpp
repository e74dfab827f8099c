#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "main_window/interval_options.h"
#include "shell/error_dialog.h"
#include "shell/product.h"

namespace mw {
namespace {

class Form1Test : public ::testing::Test, public test::Form1Fixture {};

TEST_F(Form1Test, EveryChangeOfTheKeyTextIsStoredAtOnce)
{
    for (const char* text : {"a", "ab", "a", "", "{ENTER}\r\nline two", "\xC3\x84\xE2\x82\xAC\xE4\xB8\xAD"}) {
        sim.Text2.setText(text);
        EXPECT_EQ(sim.settings.values[setting::kTextbox], text);
    }
    EXPECT_EQ(writesOf(setting::kTextbox), 6);
}

TEST_F(Form1Test, AFailingWriteOfTheKeyTextIsReportedAndOneCharacterModeStillStartsAgain)
{
    sim.windows.add("Target");
    form1->Form_Load();
    sim.Text2.setText("abc");
    sim.ListView2.clickRow(6);  // one character every second
    sim.PushButton4.click();
    sim.Timer1.tick();
    sim.settings.failWrites = true;
    sim.Text2.setText("xyz");
    EXPECT_EQ(warningTexts(),
              std::vector<std::string>{errorDialogText("Settings store unavailable", "Form1.Text2_Change", 102)});
    sim.Timer1.tick();
    EXPECT_EQ(sim.keys.typed(), "ax");
}

TEST_F(Form1Test, AKeyTextThatDoesNotParseShowsABalloonWithItsPositionOnceTheUserPauses)
{
    sim.settings.values[setting::kTextbox] = "{";
    form1->Form_Load();
    EXPECT_EQ(sim.Timer3.interval(), 0) << "the stored text is no edit of the user's";

    sim.Text2.setText("Hello {FOO} world");
    EXPECT_FALSE(sim.Text2.balloon) << "not while the user types";
    EXPECT_EQ(sim.Timer3.interval(), kKeyTextPauseMs);
    sim.Timer3.tick();
    ASSERT_TRUE(sim.Text2.balloon);
    EXPECT_EQ(sim.Text2.balloon->title, "Key text");
    EXPECT_EQ(sim.Text2.balloon->text, "Unknown key code {FOO} at position 7.");
    EXPECT_EQ(sim.Timer3.interval(), 0) << "once per pause";
    EXPECT_EQ(sim.settings.values[setting::kTextbox], "Hello {FOO} world");
    EXPECT_TRUE(sim.dialogs.warnings.empty());

    sim.Text2.setText("Hello {F5} world");
    sim.Timer3.tick();
    EXPECT_FALSE(sim.Text2.balloon) << "a text that parses takes it away";
}

TEST_F(Form1Test, FirstLoadFillsTheListsAndShowsTheStoredKeyTextOrWritesTheDefaultBack)
{
    sim.windows.add("Untitled - Notepad");
    form1->Form_Load();

    EXPECT_EQ(sim.form.caption(), kProductTitle);
    EXPECT_EQ(program.MainWindowHandle, sim.form.handle());

    ASSERT_EQ(sim.ListView1.columns.size(), 2u);
    EXPECT_EQ(sim.ListView1.columns[0].caption, "Select One Application To Type Into");
    EXPECT_EQ(sim.ListView1.columns[0].widthTwips, 7000);
    EXPECT_EQ(sim.ListView1.columns[1].caption, "Handle");
    EXPECT_EQ(sim.ListView1.columns[1].widthTwips, 1);
    ASSERT_EQ(sim.ListView1.count(), 1);
    EXPECT_EQ(sim.ListView1.text(1), "Untitled - Notepad");

    ASSERT_EQ(sim.ListView2.columns.size(), 1u);
    EXPECT_EQ(sim.ListView2.columns[0].caption, "How often would you like to type keys?");
    EXPECT_EQ(sim.ListView2.columns[0].widthTwips, 5000);
    ASSERT_EQ(sim.ListView2.count(), static_cast<int>(kIntervalOptions.size()));
    for (int row = 1; row <= sim.ListView2.count(); ++row)
        EXPECT_EQ(sim.ListView2.text(row), intervalOption(row).text) << "the row is the option the schedule uses";
    EXPECT_TRUE(sim.dialogs.warnings.empty());

    struct Stored {
        std::optional<std::string> text;
        std::string shown;
        int writes;  // only a text that changes the box writes it back
    };
    const Stored cases[] = {{std::nullopt, kDefaultKeyText, 1}, {"", "", 0}, {"abc", "abc", 1}};
    for (const Stored& c : cases) {
        test::Form1Fixture f;
        if (c.text) f.sim.settings.values[setting::kTextbox] = *c.text;
        f.form1->Form_Load();
        EXPECT_EQ(f.sim.Text2.text(), c.shown);
        EXPECT_EQ(f.sim.settings.values[setting::kTextbox], c.shown);
        EXPECT_EQ(f.writesOf(setting::kTextbox), c.writes) << c.shown;
    }
}

TEST_F(Form1Test, RefreshListRebuildsTheWindowList)
{
    form1->Form_Load();
    EXPECT_EQ(sim.ListView1.count(), 0);
    sim.windows.add("New window");
    sim.PushButton1.click();
    ASSERT_EQ(sim.ListView1.count(), 1);
    EXPECT_EQ(sim.ListView1.selectedText(), "New window");
}

}  // namespace
}  // namespace mw
