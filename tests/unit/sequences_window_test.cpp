// The Sequences window: its rows follow the runner, its buttons act on the
// selected sequence, and export and import go through the file dialogs.
#include "sequences_window/sequences_window.h"

#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "sequences/sequence_file.h"
#include "sim/controls.h"
#include "sim/platform.h"
#include "sim/report_list.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

using Names = std::vector<std::string>;
constexpr WindowHandle kMain = 0x70070;

Sequence sequence(const char* name, const char* keys, const char* program = "game.exe", const char* hotkey = "")
{
    Sequence s;
    s.name = name;
    s.keys = keys;
    s.target.program = program;
    s.hotkey = hotkey;
    return s;
}

struct Window {
    Window() { runner.setMainWindow(kMain); }
    Names names() const
    {
        Names out;
        for (const Sequence& s : runner.sequences()) out.push_back(s.name);
        return out;
    }
    std::string selectedName() const { return list.selected() < 0 ? "" : list.cell(list.selected(), 0); }
    std::string warning() const { return sim.dialogs.warnings.empty() ? "" : sim.dialogs.warnings.back().text; }

    sim::SimPlatform sim;
    sim::SimTimer timer;
    TurnQueue queue;
    SequenceRunner runner{sim.services(), queue, sim.sections, timer};
    sim::SimForm form{0x50050};
    sim::SimReportList list;
    sim::SimButton add, edit, remove, onOff, typeNow, importButton, exportButton, close;
    SequencesWindow window{{form, list, add, edit, remove, onOff, typeNow, importButton, exportButton, close},
                           sim.services(),
                           runner,
                           kMain};
};

TEST(SequencesWindow, TheRowsFollowTheRunnerInPlaceAndKeepTheSelectionByName)
{
    Window w;
    Sequence potion = sequence("Potion", "{F1}\r\nab\nc");
    potion.target.title = "My Game*";
    w.runner.add(potion);
    Sequence arrow = sequence("Arrow", "xyz", "bow.exe");
    arrow.every = 5;
    arrow.oneKey = true;
    w.runner.add(arrow);
    w.window.show();
    EXPECT_TRUE(w.form.visible());
    EXPECT_EQ(w.list.rows, (std::vector<std::vector<std::string>>{
                               {"Arrow", "xyz", "bow.exe", "one key every 5 s", "Off"},
                               {"Potion", "{F1}~ab~c", "game.exe \"My Game*\"", "10 s", "Off"}}));
    EXPECT_EQ(keysCellText(std::string(61, 'a')), std::string(60, 'a') + "\xE2\x80\xA6");

    w.list.clickRow(1);
    w.runner.turnOn("Potion");
    EXPECT_EQ(w.list.cell(1, 4), "On, next in 00:00:10");
    EXPECT_EQ(w.onOff.caption(), kTurnOffCaption);
    // A tick writes the one cell that changed and nothing else.
    const int writes = w.list.cellWrites, inserts = w.list.inserts, removals = w.list.removals;
    w.sim.clock.now += 1000;
    w.timer.tick();
    EXPECT_EQ(w.list.cell(1, 4), "On, next in 00:00:09");
    EXPECT_EQ(w.list.cellWrites, writes + 1);
    EXPECT_EQ(w.list.inserts, inserts);
    EXPECT_EQ(w.list.removals, removals);

    // Rows come and go around the selected one, which stays selected.
    w.runner.add(sequence("Aardvark", "a"));
    w.runner.remove("Arrow");
    EXPECT_EQ(w.list.column(0), (Names{"Aardvark", "Potion"}));
    EXPECT_EQ(w.selectedName(), "Potion");
    EXPECT_EQ(w.list.inserts, inserts + 1) << "the others kept their rows";

    // Closed, it follows nothing; shown again, it is up to date.
    w.close.click();
    EXPECT_FALSE(w.form.visible());
    w.runner.add(sequence("Zebra", "z"));
    EXPECT_EQ(w.list.count(), 2);
    w.window.show();
    EXPECT_EQ(w.list.column(0), (Names{"Aardvark", "Potion", "Zebra"}));
}

TEST(SequencesWindow, TheButtonsActOnTheSelectedSequenceAndDeleteAsksFirst)
{
    Window w;
    const WindowHandle game = w.sim.windows.add("Game");
    w.sim.windows.find(game)->program = "game.exe";
    w.runner.add(sequence("A", "x"));
    w.runner.add(sequence("B", "y"));
    w.window.show();
    // None selected: only New, Import, Export and Close do anything.
    for (const sim::SimButton* button : {&w.edit, &w.remove, &w.onOff, &w.typeNow}) EXPECT_FALSE(button->enabled());
    EXPECT_TRUE(w.exportButton.enabled());

    w.list.clickRow(1);
    for (const sim::SimButton* button : {&w.edit, &w.remove, &w.onOff, &w.typeNow}) EXPECT_TRUE(button->enabled());
    w.onOff.click();
    EXPECT_TRUE(w.runner.find("B")->on);
    EXPECT_FALSE(w.runner.find("A")->on);
    w.typeNow.click();
    EXPECT_EQ(w.sim.keys.typed(), "y");
    EXPECT_EQ(w.sim.keys.batches.back().target, game);
    w.onOff.click();
    EXPECT_FALSE(w.runner.find("B")->on);
    EXPECT_EQ(w.onOff.caption(), kTurnOnCaption);

    w.sim.dialogs.questionAnswers = {false, true};
    w.remove.click();
    ASSERT_EQ(w.sim.dialogs.questions.size(), 1u);
    EXPECT_EQ(w.sim.dialogs.questions[0].text, "Delete the sequence \"B\"?");
    EXPECT_EQ(w.names(), (Names{"A", "B"})) << "No keeps it";
    w.list.pressDelete();
    EXPECT_EQ(w.names(), (Names{"A"}));
    EXPECT_EQ(w.sim.sections.sections.count("B"), 0u) << "gone from the store too";
    EXPECT_EQ(w.selectedName(), "A") << "the next row, for the next Delete";
    EXPECT_GT(w.list.focusRequests, 0);
}

TEST(SequencesWindow, NewAndEditGoThroughTheEditorWhichKnowsTheHotkeysTheProgramHolds)
{
    Window w;
    w.runner.add(sequence("B", "b", "game.exe", "^%{F2}"));
    w.window.mainHotkey = [] { return parseHotkey("^%{F11}"); };
    std::optional<Sequence> answer = sequence("Potion", "p");
    SequenceEditing seen;
    w.window.showEditor = [&](const SequenceEditing& editing) {
        seen = editing;
        return answer;
    };
    w.window.show();
    w.add.click();
    EXPECT_EQ(w.names(), (Names{"B", "Potion"}));
    EXPECT_EQ(w.selectedName(), "Potion");
    EXPECT_FALSE(seen.original);
    EXPECT_EQ(seen.otherNames, (Names{"B"}));
    EXPECT_EQ(seen.mainWindow, kMain);
    EXPECT_EQ(seen.hotkeyHolder("^%{F11}"), "the main window's on/off");
    EXPECT_EQ(seen.hotkeyHolder("^%{F2}"), "\"B\"");
    EXPECT_EQ(seen.hotkeyHolder("^%{F3}"), std::nullopt);

    // A rename is the same sequence under its new name, still on if it was.
    w.runner.turnOn("Potion");
    answer = sequence("Elixir", "e");
    w.edit.click();
    EXPECT_EQ(seen.original->name, "Potion");
    EXPECT_EQ(w.names(), (Names{"B", "Elixir"}));
    EXPECT_TRUE(w.runner.find("Elixir")->on);
    EXPECT_EQ(w.selectedName(), "Elixir");

    // Editing B, its own hotkey is free.
    w.list.clickRow(0);
    answer.reset();
    w.list.doubleClickRow(0);
    EXPECT_EQ(seen.original->name, "B");
    EXPECT_EQ(seen.hotkeyHolder("^%{F2}"), std::nullopt);
    EXPECT_EQ(w.names(), (Names{"B", "Elixir"})) << "Cancel changes nothing";
}

TEST(SequencesWindow, ExportWritesTheSelectedOrEverySequenceAndImportReadsThemBack)
{
    Window w;
    Sequence fire = sequence("Fire: 1", "{F1}", "game.exe", "^%{F1}");
    fire.jitter = 2;
    w.runner.add(fire);
    w.runner.add(sequence("Ice", "i"));
    w.window.show();
    w.sim.fileDialogs.paths = {"C:\\all.json", "C:\\fire.json"};
    w.exportButton.click();
    EXPECT_EQ(w.sim.fileDialogs.suggested, "sequences.json");
    EXPECT_EQ(w.sim.fileDialogs.lastType.pattern, "*.json");
    w.list.clickRow(0);
    w.exportButton.click();
    EXPECT_EQ(w.sim.fileDialogs.suggested, "Fire_ 1.json");
    EXPECT_EQ(w.sim.files.contents["C:\\fire.json"], writeSequenceFile({fire}));

    // Into a program that has none: the same sequences.
    Window fresh;
    fresh.sim.files.contents = w.sim.files.contents;
    fresh.window.show();
    fresh.sim.fileDialogs.paths = {"C:\\all.json"};
    fresh.importButton.click();
    EXPECT_EQ(fresh.runner.sequences(), w.runner.sequences());
    EXPECT_TRUE(fresh.sim.dialogs.warnings.empty());
}

TEST(SequencesWindow, ImportAsksBeforeReplacingAndAFileThatDoesNotReadChangesNothing)
{
    Window w;
    w.window.mainHotkey = [] { return parseHotkey("^%{F11}"); };
    w.runner.add(sequence("A", "old a"));
    w.runner.add(sequence("B", "old b"));
    w.window.show();
    Sequence mana = sequence("Mana", "m", "game.exe", "^%{F11}");
    w.sim.files.contents["C:\\in.json"] =
        writeSequenceFile({sequence("a", "new a"), sequence("B", "new b"), mana});
    w.sim.files.contents["C:\\bad.json"] = "{\"marrowind\": 1,\n \"sequences\": [{\"name\": \"X\", \"keys\": \"x\",\n"
                                           " \"every\": 0, \"target\": {\"program\": \"x.exe\"}}]}";
    w.sim.fileDialogs.paths = {"C:\\bad.json", "C:\\in.json"};
    w.importButton.click();
    EXPECT_EQ(w.warning(), std::get<SequenceFileError>(readSequenceFile(w.sim.files.contents["C:\\bad.json"])).text());
    EXPECT_NE(w.warning().find("Line 3"), std::string::npos) << w.warning();
    EXPECT_EQ(w.names(), (Names{"A", "B"}));

    w.sim.dialogs.questionAnswers = {true, false};
    w.importButton.click();
    ASSERT_EQ(w.sim.dialogs.questions.size(), 2u);
    EXPECT_EQ(w.sim.dialogs.questions[0].text, "Replace the sequence \"A\"?");
    EXPECT_EQ(w.names(), (Names{"B", "Mana", "a"}));
    EXPECT_EQ(w.runner.find("a")->keys, "new a");
    EXPECT_EQ(w.runner.find("B")->keys, "old b");
    // The main window's hotkey stays the main window's.
    EXPECT_EQ(w.runner.find("Mana")->hotkey, "");
    EXPECT_EQ(w.warning(), "Ctrl+Alt+F11 is the hotkey of the main window's on/off: \"Mana\" came in without one.");
}

TEST(SequencesTrayMenu, TheSubmenuChecksTheSequencesThatAreOnAndSwitchesTheChosenOne)
{
    test::Form1Fixture f;
    f.form1->Form_Load();
    SequenceRunner& runner = f.form1->sequences();
    runner.add(sequence("A", "a"));
    Sequence on = sequence("B", "b");
    on.on = true;
    runner.add(on);
    int shown = 0;
    f.form1->showSequences = [&] { ++shown; };
    // The lines count as the menu counts them: the submenu's right after
    // the line that opens it.
    f.sim.tray.menuChoice = 4;
    f.sim.tray.deliver(TrayEvent::MenuRequested);
    const TrayMenuItem& submenu = f.sim.tray.menus.back()[3];
    ASSERT_EQ(submenu.submenu.size(), 2u);
    EXPECT_EQ(submenu.submenu[0].text, "A");
    EXPECT_FALSE(submenu.submenu[0].checked);
    EXPECT_TRUE(submenu.submenu[1].checked);
    EXPECT_TRUE(runner.find("A")->on);
    f.sim.tray.menuChoice = 5;
    f.sim.tray.deliver(TrayEvent::MenuRequested);
    EXPECT_FALSE(runner.find("B")->on);
    f.sim.tray.menuChoice = 7;  // Sequences…, past the separator
    f.sim.tray.deliver(TrayEvent::MenuRequested);
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace mw
