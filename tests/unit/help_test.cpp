#include "help/form2.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <regex>

#include "form1_fixture.h"
#include "shell/error_dialog.h"
#include "typing/hotkey.h"
#include "typing/key_notation.h"
#include "typing/key_table.h"
#include "typing/typing_engine.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

// A help window over simulated controls, built afresh like the real one.
struct HelpWindow {
    explicit HelpWindow(sim::SimPlatform& platform, const HotkeyStatus& hotkey = {parseHotkey(kDefaultHotkey)})
        : services(platform.services()), form2({form, label, list, close}, services, hotkey)
    {
    }
    Services services;
    sim::SimForm form{0x30030};
    sim::SimLabel label;
    sim::SimListView list;
    sim::SimButton close{"Close"};
    Form2 form2;
};

// The special keys' rows, "Key|Command", exactly as the window has always
// listed them.
constexpr const char* kKeyRows[] = {
    "BACKSPACE|{BACKSPACE}, {BS}, or {BKSP}", "BREAK|{BREAK}", "CAPS LOCK|{CAPSLOCK}",
    "DEL or DELETE|{DELETE} or {DEL}", "DOWN ARROW|{DOWN}", "END|{END}", "ENTER|{ENTER}", "ESC|{ESC}",
    "HELP|{HELP}", "HOME|{HOME}", "INS or INSERT|{INSERT} or {INS}", "LEFT ARROW|{LEFT}", "NUM LOCK|{NUMLOCK}",
    "PAGE DOWN|{PGDN}", "PAGE UP|{PGUP}", "PRINT SCREEN|{PRTSC}", "RIGHT ARROW|{RIGHT}",
    "SCROLL LOCK|{SCROLLLOCK}", "TAB|{TAB}", "UP ARROW|{UP}", "F1|{F1}", "F2|{F2}", "F3|{F3}", "F4|{F4}",
    "F5|{F5}", "F6|{F6}", "F7|{F7}", "F8|{F8}", "F9|{F9}", "F10|{F10}", "F11|{F11}", "F12|{F12}", "F13|{F13}",
    "F14|{F14}", "F15|{F15}", "F16|{F16}", "Keypad add|{ADD}", "Keypad subtract|{SUBTRACT}",
    "Keypad multiply|{MULTIPLY}", "Keypad divide|{DIVIDE}", "SHIFT|{SHIFT}", "CTRL|{CTRL}", "ALT|{ALT}",
};

std::vector<std::string> rowsOf(const sim::SimListView& list)
{
    std::vector<std::string> rows;
    for (int row = 1; row <= list.count(); ++row) rows.push_back(list.text(row) + "|" + list.subItem(row));
    return rows;
}

TEST(HelpWindow, ListsTheKeyCodesAsEverThenTheNotationAndTheHotkey)
{
    sim::SimPlatform platform;
    HelpWindow help(platform);
    help.form2.Form_Load();
    ASSERT_EQ(help.list.columns.size(), 2u);
    EXPECT_EQ(help.list.columns[0].caption, "Key");
    EXPECT_EQ(help.list.columns[0].widthTwips, 2000);
    EXPECT_EQ(help.list.columns[1].caption, "Command");
    EXPECT_EQ(help.list.columns[1].widthTwips, 3600);
    std::vector<std::string> expected(std::begin(kKeyRows), std::end(kKeyRows));
    for (const HelpRow& row : kNotationHelpRows) expected.push_back(std::string(row.key) + "|" + row.command);
    expected.push_back("HOTKEY|Ctrl+Alt+F11 turns typing on or off");
    EXPECT_EQ(rowsOf(help.list), expected);
    EXPECT_TRUE(platform.dialogs.warnings.empty());

    // The hotkey as the program holds it.
    const std::pair<HotkeyStatus, const char*> hotkeys[] = {
        {{parseHotkey("+^k"), false}, "Ctrl+Shift+K turns typing on or off"},
        {{parseHotkey("+^k"), true}, "Ctrl+Shift+K is held by another program"},
        {{std::nullopt, false}, "none (the Options dialog sets one)"},
    };
    for (const auto& [hotkey, shown] : hotkeys) {
        HelpWindow other(platform, hotkey);
        other.form2.Form_Load();
        EXPECT_EQ(other.list.subItem(other.list.count()), shown);
    }
}

// The keys an example presses, as "<Shift>a</Shift>": characters as they
// are typed, keys by name, a modifier's release closing it, a pause as
// "(wait n)".
std::string keysOf(const std::string& example)
{
    std::string keys;
    for (const KeyEvent& event : parseKeyString(example)) {
        if (event.kind == KeyEvent::Kind::Delay) {
            keys += "(wait " + std::to_string(event.delayMs) + ")";
        } else if (event.kind == KeyEvent::Kind::Character) {
            if (event.down) keys += static_cast<char>(event.character);
        } else if (event.down || vk::isModifier(event.virtualKey)) {
            keys += (event.down ? "<" : "</") + std::string(findSpecialKey(event.virtualKey)->shown) + ">";
        }
    }
    return keys;
}

TEST(HelpWindow, EachExampleOfTheNotationTypesWhatItsRowSays)
{
    const std::map<std::string, std::string> typed{
        {"+a", "<Shift>a</Shift>"},
        {"^c", "<Ctrl>c</Ctrl>"},
        {"%f", "<Alt>f</Alt>"},
        {"+(abc)", "<Shift>abc</Shift>"},
        {"{a 10}", "aaaaaaaaaa"},
        {"{+} {^} {%} {~} {(} {)} {{} {}}", "+ ^ % ~ ( ) { }"},  // the row's own key text
        {"{DELAY 500}", "(wait 500)"},
    };
    for (const HelpRow& row : kNotationHelpRows) {
        if (std::string(row.command) == "~ or a line break") {
            for (const char* enter : {"~", "\n", "\r\n"}) EXPECT_EQ(keysOf(enter), "<Enter>");
            continue;
        }
        ASSERT_TRUE(typed.count(row.command)) << row.command;
        EXPECT_EQ(keysOf(row.command), typed.at(row.command)) << row.command;
    }
}

TEST(HelpWindow, EveryCodeOfTheKeyRowsIsOneTheKeyBoxAccepts)
{
    const std::regex code(R"(\{[^}]+\})");
    for (const char* row : kKeyRows) {
        const std::string command = std::strchr(row, '|') + 1;
        for (auto it = std::sregex_iterator(command.begin(), command.end(), code); it != std::sregex_iterator(); ++it)
            EXPECT_NO_THROW(parseKeyString(translateModifierCodes(it->str() + "a"))) << it->str();
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
    ASSERT_EQ(help.list.count(), 51);
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
    main.form1->showHelp = [](const HotkeyStatus&) { fail("Out of memory"); };
    main.sim.PushButton3.click();
    EXPECT_EQ(main.warningTexts(),
              std::vector<std::string>{errorDialogText("Out of memory", "Form1.PushButton3_Click", 100)});
}

}  // namespace
}  // namespace mw
