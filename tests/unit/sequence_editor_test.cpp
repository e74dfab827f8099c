// The sequence editor: what it shows, how a window is picked for the
// target, and what OK checks before anything leaves it.
#include "sequences_window/sequence_editor.h"

#include <gtest/gtest.h>

#include "main_window/options_dialog.h"
#include "sim/controls.h"
#include "sim/platform.h"
#include "sim/window_pickers.h"
#include "typing/hotkey.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

struct Editor {
    explicit Editor(std::optional<Sequence> original = std::nullopt)
    {
        main = sim.windows.add("Marrowind");
        sim.windows.find(main)->program = "Marrowind.exe";
        SequenceEditing editing;
        editing.original = std::move(original);
        editing.otherNames = {"Potion"};
        editing.hotkeyHolder = [](const std::string& combination) -> std::optional<std::string> {
            if (combination == "^%{F11}") return "the main window's on/off";
            if (combination == "^%{F2}") return "\"Potion\"";
            return std::nullopt;
        };
        editing.mainWindow = main;
        editor.emplace(SequenceEditorControls{form, name, keys, oneKey, windows, finder, program, title, windowClass,
                                              hotkey, {&numbers[0], &numbers[1], &numbers[2], &numbers[3],
                                                       &numbers[4], &numbers[5]},
                                              background, ok, cancel},
                       sim.services(), editing);
        editor->Form_Load();
    }
    WindowHandle open(const char* windowTitle, const char* programName, const char* className = "Window")
    {
        const WindowHandle w = sim.windows.add(windowTitle);
        sim.windows.find(w)->program = programName;
        sim.windows.find(w)->windowClass = className;
        return w;
    }
    // A field by the name the messages give it.
    sim::SimTextBox& field(const std::string& label)
    {
        for (std::size_t i = 0; i < kSequenceNumbers.size(); ++i)
            if (label == kSequenceNumbers[i].label) return numbers[i];
        return label == "Name" ? name : label == "Keys" ? keys : program;
    }

    sim::SimPlatform sim;
    WindowHandle main = kNoWindow;
    sim::SimForm form{0x60060};
    sim::SimTextBox name, keys, program, title, windowClass;
    sim::SimHotkeyBox hotkey;
    std::array<sim::SimTextBox, kSequenceNumbers.size()> numbers;
    sim::SimCheckBox oneKey, background;
    sim::SimDropDownList windows;
    sim::SimWindowFinder finder;
    sim::SimButton ok, cancel;
    std::optional<SequenceEditor> editor;
};

TEST(SequenceEditor, AWindowPickedFromTheListOrWithTheFinderNamesTheTargetAndOkGivesTheSequence)
{
    Editor e;
    EXPECT_EQ(e.form.caption(), kNewSequenceTitle);
    EXPECT_EQ(e.field("Every").text(), "10") << "a new sequence shows its defaults";
    EXPECT_EQ(e.name.focusRequests, 1);
    const WindowHandle notepad = e.open("Untitled - Notepad", "notepad.exe", "Notepad");
    e.open("Game", "game.exe");
    // The program's own windows: the Sequences window, owned by the main one.
    const WindowHandle own = e.sim.windows.add("Sequences", true, e.main);
    e.sim.windows.find(own)->program = "MARROWIND.EXE";
    // The list is made again as it drops down; the main window is not in it.
    e.windows.choose(1);
    EXPECT_EQ(e.windows.lines, (std::vector<std::string>{"Untitled - Notepad \xE2\x80\x94 notepad.exe",
                                                        "Game \xE2\x80\x94 game.exe"}));
    EXPECT_EQ(e.program.text(), "game.exe");
    EXPECT_EQ(e.title.text(), "Game");
    EXPECT_EQ(e.windowClass.text(), "Window");
    e.finder.dropOn(notepad);
    EXPECT_EQ(e.program.text(), "notepad.exe");
    EXPECT_EQ(e.windowClass.text(), "Notepad");
    for (const WindowHandle ignored : {own, e.main, kNoWindow}) e.finder.dropOn(ignored);
    EXPECT_EQ(e.title.text(), "Untitled - Notepad") << "the program's own windows are left alone";

    e.name.setText(" Mana ");
    e.keys.setText("{F2}\r\n");
    e.oneKey.click();
    e.hotkey.press(parseHotkey("^%{F3}"));
    e.field("Jitter").setText("3");
    e.background.click();
    e.ok.click();
    Sequence expected;
    expected.name = "Mana";
    expected.keys = "{F2}\r\n";
    expected.oneKey = true;
    expected.target = {"notepad.exe", "Untitled - Notepad", "Notepad"};
    expected.hotkey = "^%{F3}";
    expected.jitter = 3;
    expected.background = true;
    EXPECT_EQ(e.editor->result(), expected);
    EXPECT_EQ(e.form.closeRequests, 1);
}

TEST(SequenceEditor, EditShowsTheSequenceAndCancelGivesNothing)
{
    Sequence potion;
    potion.name = "Elixir";
    potion.keys = "e";
    potion.target = {"game.exe", "My*", "GameWindow"};
    potion.on = true;
    potion.keyDelay = 25;
    Editor e(potion);
    EXPECT_EQ(e.form.caption(), kEditSequenceTitle);
    EXPECT_EQ(e.title.text(), "My*");
    EXPECT_EQ(e.field("Delay between keys").text(), "25");
    e.ok.click();
    EXPECT_EQ(e.editor->result(), potion) << "unchanged, still on";

    Editor cancelled(potion);
    cancelled.name.setText("Other");
    cancelled.cancel.click();
    EXPECT_EQ(cancelled.editor->result(), std::nullopt);
    EXPECT_EQ(cancelled.form.closeRequests, 1);
}

TEST(SequenceEditor, TheFirstUnusableFieldIsNamedAndGetsTheFocusAndNothingLeavesTheEditor)
{
    struct Case {
        const char* field;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"Name", "", "Name must be 1 to 40 characters, without a backslash."},
        {"Name", "potion", "A sequence named \"Potion\" exists already: choose another name."},
        {"Keys", "", "Keys must not be empty."},
        {"Every", "0", rangeMessage(kSequenceNumbers[0])},
        {"Every", "ten", "Every must be a whole number of seconds from 1 to 86400."},
        {"Program", " ", "Program must name the program's file, such as notepad.exe."},
        // The field adds Ctrl+Alt to a key pressed alone; one that came without
        // them all the same is refused as a key the notation has no name for.
        {"Hotkey", "F1", kHotkeyFieldMessage},
        {"Hotkey", "^%{F11}", "Ctrl+Alt+F11 is the hotkey of the main window's on/off."},
        {"Hotkey", "^%{F2}", "Ctrl+Alt+F2 is the hotkey of \"Potion\"."},
        {"Jitter", "3601", rangeMessage(kSequenceNumbers[1])},
        {"Hold each key", "1.5", "Hold each key must be a whole number of milliseconds from 0 to 1000."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " \"" + c.text + "\"");
        Editor e;
        e.name.setText("Mana");
        e.keys.setText("m");
        e.program.setText("game.exe");
        // The last field is wrong too: the first is the one named.
        e.field("Hold each key").setText("1001");
        const bool hotkey = c.field == std::string("Hotkey");
        if (hotkey)
            e.hotkey.press(c.text[0] == '^' ? parseHotkey(c.text) : HotkeyCombination{false, false, false, vk::kF1});
        else
            e.field(c.field).setText(c.text);
        const int focused = hotkey ? e.hotkey.focusRequests : e.field(c.field).focusRequests;
        e.ok.click();
        ASSERT_EQ(e.sim.dialogs.warnings.size(), 1u);
        EXPECT_EQ(e.sim.dialogs.warnings[0].text, c.message);
        EXPECT_EQ(e.sim.dialogs.warnings[0].title, kNewSequenceTitle);
        EXPECT_EQ(hotkey ? e.hotkey.focusRequests : e.field(c.field).focusRequests, focused + 1);
        EXPECT_EQ(e.editor->result(), std::nullopt);
        EXPECT_EQ(e.form.closeRequests, 0);
    }
}

TEST(SequenceEditor, TheProgramsHotkeysLetTheirKeysIntoTheFieldAndANewCommonShortcutIsAskedAbout)
{
    for (const bool yes : {false, true}) {
        Editor e;
        e.hotkey.focus(true);
        EXPECT_EQ(e.sim.hotkey.suspended, 1);
        e.name.setText("Mana");
        e.keys.setText("m");
        e.program.setText("game.exe");
        e.hotkey.press(parseHotkey("^v"));
        e.sim.dialogs.questionAnswers = {yes};
        e.ok.click();
        ASSERT_EQ(e.sim.dialogs.questions.size(), 1u);
        EXPECT_EQ(e.sim.dialogs.questions[0].text, commonShortcutQuestion(*parseHotkey("^v")));
        EXPECT_EQ(e.editor->result().has_value(), yes);
        EXPECT_EQ(e.hotkey.focusRequests, yes ? 0 : 1) << "No goes back to the field";
        e.hotkey.focus(false);
        EXPECT_EQ(e.sim.hotkey.suspended, 0);
    }
    // One the sequence has already, however it was written, is not asked again.
    Sequence stored;
    stored.name = "Paste";
    stored.keys = "p";
    stored.target.program = "game.exe";
    stored.hotkey = "^V";
    Editor kept(stored);
    kept.ok.click();
    EXPECT_TRUE(kept.sim.dialogs.questions.empty());
    ASSERT_TRUE(kept.editor->result());
    EXPECT_EQ(kept.editor->result()->hotkey, "^v");
}

}  // namespace
}  // namespace mw
