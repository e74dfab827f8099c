// Sequences end to end: made in the editor, typing in turns into their own
// windows, waiting for a program that is not running or a window that closed,
// switched from the tray submenu and by their own hotkey, exported and
// imported.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>

#include "driver.h"
#include "sequences_window/sequence_editor_layout.h"
#include "sequences_window/sequences_layout.h"

namespace e2e {
namespace {

namespace id = mw::sequences_id;
namespace field = mw::editor_id;
constexpr int kStateColumn = 4;

// "Sequences…" from the main window's system menu, its last line.
HWND openFromSystemMenu(Marrowind& app)
{
    bringToFront(app.window());
    pressKey(VK_SPACE, true);
    if (!waitForWindowOfClass(app.process().id(), L"#32768", 5s)) return nullptr;
    pressKey(VK_UP);
    pressKey(VK_RETURN);
    return waitForWindow(app.process().id(), L"Sequences", 10s);
}

// "Sequences…" from the tray menu, past the submenu and the separator.
HWND openFromTray(Marrowind& app)
{
    if (!app.openTrayMenu()) return nullptr;
    chooseFromMenu(4);
    return waitForWindow(app.process().id(), L"Sequences", 10s);
}

std::vector<std::vector<std::string>> rows(HWND sequences)
{
    return listCells(GetDlgItem(sequences, id::kList), 5);
}

std::string state(HWND sequences, std::size_t row)
{
    const auto all = rows(sequences);
    return row < all.size() ? all[row][kStateColumn] : std::string();
}

// The lines of another program's drop-down list.
std::vector<std::wstring> comboLines(HWND combo)
{
    std::vector<std::wstring> lines;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        line.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
        lines.push_back(line);
    }
    return lines;
}

// A box of the program's whose message starts so.
HWND boxSaying(DWORD process, const std::wstring& start)
{
    HWND found = nullptr;
    waitUntil([&] {
        for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process && IsWindowVisible(w) && messageBoxText(w).rfind(start, 0) == 0) found = w;
        }
        return found != nullptr;
    });
    return found;
}

// The editor's fields as a keyboard user fills them: each reached by its
// label's access key, its text replaced.
void fill(HWND editor, const std::wstring& name, const std::wstring& keys, const std::wstring& every)
{
    EXPECT_TRUE(waitUntil([&] { return focusOf(editor) == GetDlgItem(editor, field::kName); }));
    typeUnicode(name);
    pressKey('K', true);
    typeUnicode(keys);
    pressKey('E', true);
    typeUnicode(every);
}

HWND newSequence(Marrowind& app, HWND sequences)
{
    bringToFront(sequences);
    pressKey('N', true);
    return waitForWindow(app.process().id(), L"New Sequence", 10s);
}

// Places a recorder where no window of the program covers it.
void place(const Target& target, int x, int y)
{
    SetWindowPos(target.window(), nullptr, x, y, 400, 280, SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT centre(HWND window)
{
    const RECT r = screenRect(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The whole turns of a key text a recorder received, when every character
// it received came in whole turns, in order, but for a turn still going in
// at the end; -1 otherwise: a turn cut short, or keys of another in it.
int wholeTurns(const Target& target, const std::string& keys)
{
    const std::string typed = target.typed();
    const std::size_t whole = typed.size() / keys.size() * keys.size();
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (typed[i] != keys[i % keys.size()]) return -1;
    return static_cast<int>(whole / keys.size());
}

TEST(Sequences, TwoSequencesMadeInTheEditorTypeInTurnsEachAtItsInterval)
{
    Target alpha(L"Alpha Recorder"), beta(L"Beta Recorder");
    place(alpha, 0, 0);
    place(beta, 0, 860);
    Marrowind app;
    const HWND sequences = openFromSystemMenu(app);
    ASSERT_NE(sequences, nullptr);

    // Alpha: the recorder chosen from the drop-down of open windows.
    HWND editor = newSequence(app, sequences);
    ASSERT_NE(editor, nullptr);
    fill(editor, L"Alpha", L"ABCD", L"1");
    pressKey('W', true);
    const auto lines = comboLines(GetDlgItem(editor, field::kWindows));
    const auto line = std::find(lines.begin(), lines.end(), L"Alpha Recorder \u2014 marrowind_target.exe");
    ASSERT_NE(line, lines.end());
    pressKey(VK_HOME);
    for (auto i = lines.begin(); i != line; ++i) pressKey(VK_DOWN);
    EXPECT_TRUE(waitUntil([&] { return text(GetDlgItem(editor, field::kTitle)) == L"Alpha Recorder"; }));
    EXPECT_EQ(text(GetDlgItem(editor, field::kProgram)), L"marrowind_target.exe");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(editor); }));

    // Beta: the finder tool dragged onto the recorder.
    editor = newSequence(app, sequences);
    ASSERT_NE(editor, nullptr);
    fill(editor, L"Beta", L"wxyz", L"2");
    // The hotkey is pressed into its field.
    pressKey('O', true);
    pressChord({VK_CONTROL, VK_MENU, VK_F7});
    dragMouse(centre(GetDlgItem(editor, field::kFinder)), centre(beta.window()));
    EXPECT_TRUE(waitUntil([&] { return text(GetDlgItem(editor, field::kTitle)) == L"Beta Recorder"; }));
    EXPECT_EQ(text(GetDlgItem(editor, field::kProgram)), L"marrowind_target.exe");
    bringToFront(editor);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(editor); }));
    ASSERT_EQ(rows(sequences), (std::vector<std::vector<std::string>>{
                                   {"Alpha", "ABCD", "marrowind_target.exe \"Alpha Recorder\"", "1 s", "Off"},
                                   {"Beta", "wxyz", "marrowind_target.exe \"Beta Recorder\"", "2 s", "Off"}}));
    EXPECT_EQ(regQuery(kSequencesKey + "\\Beta", "hotkey"), "^%{F7}");

    // With the mouse: a turn takes the keyboard's focus to its recorder
    // every second, the pointer stays where it is.
    for (int row : {1, 0}) {
        clickListRow(GetDlgItem(sequences, id::kList), row);
        click(GetDlgItem(sequences, id::kOnOff));
        ASSERT_TRUE(waitUntil([&] { return state(sequences, row).rfind("On", 0) == 0; })) << row;
    }
    // Each turn types its four different characters in order, into its own
    // window: a turn cut short, or another's keys in the middle of one,
    // would show in the recorders' texts.
    const int betaBefore = wholeTurns(beta, "wxyz");
    ASSERT_TRUE(waitUntil([&] { return wholeTurns(alpha, "ABCD") >= 6 || wholeTurns(alpha, "ABCD") < 0; }, 20s));
    EXPECT_GE(wholeTurns(alpha, "ABCD"), 6) << alpha.typed() << " / " << beta.typed();
    const int betaTurns = wholeTurns(beta, "wxyz") - betaBefore;
    EXPECT_GE(betaBefore, 0) << beta.typed();
    EXPECT_GE(betaTurns, 2) << beta.typed();
    EXPECT_LE(betaTurns, 4) << "half as many as Alpha's";
}

TEST(Sequences, ASequenceWaitsForItsProgramAndTypesOnlyIntoAWindowOfItsTitleEachTimeOneOpens)
{
    Marrowind app;
    const HWND sequences = openFromTray(app);
    ASSERT_NE(sequences, nullptr);
    const HWND editor = newSequence(app, sequences);
    ASSERT_NE(editor, nullptr);
    fill(editor, L"Gamma", L"gg", L"1");
    pressKey('P', true);
    typeUnicode(L"marrowind_target.exe");
    pressKey('T', true);
    typeUnicode(L"Gamma*");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(editor); }));
    // The new sequence is the selected one.
    bringToFront(sequences);
    pressKey('O', true);
    EXPECT_TRUE(waitUntil([&] {
        return state(sequences, 0) == "Waiting for marrowind_target.exe \"Gamma*\"\xE2\x80\xA6";
    })) << state(sequences, 0);

    std::optional<Target> gamma(std::in_place, L"Gamma Recorder");
    EXPECT_TRUE(waitUntil([&] { return gamma->typed().rfind("gg", 0) == 0; }));
    EXPECT_TRUE(waitUntil([&] { return state(sequences, 0).rfind("On, next in", 0) == 0; })) << state(sequences, 0);

    // Its window closes while another of the same program, whose title does
    // not fit, is open: that one gets nothing, and a window of the title
    // opened again gets the keys.
    const Target other(L"Other Recorder");
    gamma.reset();
    EXPECT_TRUE(waitUntil([&] { return state(sequences, 0).rfind("Waiting for", 0) == 0; }, 5s))
        << state(sequences, 0);
    gamma.emplace(L"Gamma Recorder");
    EXPECT_TRUE(waitUntil([&] { return gamma->typed().rfind("gg", 0) == 0; }));
    EXPECT_EQ(other.typed(), "");
}

// A sequence as an earlier run left it in the settings.
void presetSequence(const std::string& name, const std::string& keys, const std::string& title,
                    const std::string& every = "1")
{
    const std::string key = kSequencesKey + "\\" + name;
    for (const auto& [value, data] : std::initializer_list<std::pair<std::string, std::string>>{
             {"keys", keys}, {"mode", "whole"}, {"program", "marrowind_target.exe"}, {"title", title},
             {"class", ""}, {"hotkey", ""}, {"on", "Off"}, {"background", "Off"}, {"every", every},
             {"jitter", "0"}, {"stopAfterTurns", "0"}, {"stopAfterMinutes", "0"}, {"keyDelay", "0"},
             {"keyHold", "0"}})
        regAdd(key, value, data);
}

// The first line of the tray's Sequences submenu, chosen with the keys: the
// menu takes them in order, the submenu opening before the Enter.
void chooseFirstSequenceFromTray(Marrowind& app)
{
    ASSERT_NE(app.openTrayMenu(), nullptr);
    for (int i = 0; i < 4; ++i) pressKey(VK_DOWN);
    pressKey(VK_RIGHT);
    pressKey(VK_RETURN);
}

TEST(Sequences, TheTraySubmenuAndItsHotkeySwitchASequenceAndTheWindowAnswersTheKeyboard)
{
    presetSettings({});
    regDeleteKey(kSequencesKey);
    // No turn falls due during the test: its menus and keys stay where they are.
    presetSequence("Delta", "dd", "Delta Recorder", "600");
    regAdd(kSequencesKey + "\\Delta", "hotkey", "^%{F9}");
    Marrowind app(false);
    const HWND sequences = openFromTray(app);
    ASSERT_NE(sequences, nullptr);
    // Wine lets no other program read a menu's check marks: the stored state
    // and the window's row say what the line did. The sequence's own hotkey
    // switches it from the state the menu left, and the menu from the
    // hotkey's.
    for (const auto& [hotkey, now] : std::initializer_list<std::pair<bool, const char*>>{
             {false, "On"}, {true, "Off"}, {true, "On"}, {false, "Off"}}) {
        if (hotkey) {
            bringToFront(sequences);
            pressChord({VK_CONTROL, VK_MENU, VK_F9});
        } else {
            chooseFirstSequenceFromTray(app);
        }
        EXPECT_TRUE(waitUntil([&] { return regQuery(kSequencesKey + "\\Delta", "on") == std::string(now); })) << now;
        EXPECT_TRUE(waitUntil([&] { return state(sequences, 0).rfind(now, 0) == 0; })) << state(sequences, 0);
    }

    // Enter edits the selected row, Escape leaves the editor as it was.
    clickListRow(GetDlgItem(sequences, id::kList), 0);
    pressKey(VK_RETURN);
    const HWND editor = waitForWindow(app.process().id(), L"Edit Sequence", 10s);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(text(GetDlgItem(editor, field::kName)), L"Delta");
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(editor); }));
    // The Delete key asks, No first; No keeps it, Yes deletes it.
    for (const WORD answer : {WORD(VK_RETURN), WORD('Y')}) {
        bringToFront(sequences);
        pressKey(VK_DELETE);
        const HWND box = boxSaying(app.process().id(), L"Delete the sequence \"Delta\"?");
        ASSERT_NE(box, nullptr);
        pressKey(answer);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
        if (answer == VK_RETURN) {
            EXPECT_EQ(rows(sequences).size(), 1u);
        }
    }
    EXPECT_TRUE(waitUntil([&] { return rows(sequences).empty(); }));
    EXPECT_EQ(regQuery(kSequencesKey + "\\Delta", "keys"), std::nullopt);
    // Escape closes the window; asked for again, the same one comes back.
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(sequences); }));
    EXPECT_EQ(openFromTray(app), sequences);
}

// The path typed into the open or save dialog that the access key opens.
void chooseFile(Marrowind& app, HWND sequences, char accessKey, const std::wstring& title, const std::wstring& path)
{
    bringToFront(sequences);
    pressKey(static_cast<WORD>(accessKey), true);
    const HWND dialog = waitForWindow(app.process().id(), title, 10s);
    ASSERT_NE(dialog, nullptr);
    pressKey('N', true);  // File name
    typeUnicode(path);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

std::wstring tempFile(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    DeleteFileW(path.c_str());
    return path;
}

TEST(Sequences, ExportThenImportIntoAFreshStoreGivesTheSameSequencesAndABadFileChangesNothing)
{
    presetSettings({});
    regDeleteKey(kSequencesKey);
    presetSequence("Epsilon", "e{ENTER}", "Epsilon*");
    presetSequence("Zeta", "z", "");
    const std::wstring file = tempFile(L"marrowind-sequences.json");
    Marrowind app(false);
    const HWND sequences = openFromTray(app);
    ASSERT_NE(sequences, nullptr);
    const std::vector<std::vector<std::string>> exported = rows(sequences);
    ASSERT_EQ(exported.size(), 2u);
    chooseFile(app, sequences, 'X', L"Export Sequences", file);
    EXPECT_TRUE(waitUntil([&] { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    // The store emptied from the window stands for a fresh one: under Wine a
    // second start after the first had used the file dialogs did not answer
    // the driver's messages.
    for (const char* name : {"Epsilon", "Zeta"}) {
        // The first row is chosen with the mouse; the row that takes its
        // place is selected after the Delete.
        if (name[0] == 'E') clickListRow(GetDlgItem(sequences, id::kList), 0);
        bringToFront(sequences);
        pressKey(VK_DELETE);
        const std::wstring question = L"Delete the sequence \"" + std::wstring(name, name + std::strlen(name)) + L"\"?";
        const HWND asked = boxSaying(app.process().id(), question);
        ASSERT_NE(asked, nullptr) << name;
        pressKey('Y');
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(asked); }));
        ASSERT_TRUE(waitUntil([&] { return rows(sequences).size() == (name[0] == 'E' ? 1u : 0u); })) << name;
    }
    EXPECT_EQ(regQuery(kSequencesKey + "\\Epsilon", "keys"), std::nullopt);
    chooseFile(app, sequences, 'I', L"Import Sequences", file);
    EXPECT_TRUE(waitUntil([&] { return rows(sequences) == exported; }));
    EXPECT_EQ(regQuery(kSequencesKey + "\\Epsilon", "keys"), std::string("e{ENTER}"));

    // A file whose second entry, on line 3, is wrong: nothing of it comes in.
    const std::wstring bad = tempFile(L"marrowind-bad.json");
    std::ofstream(bad.c_str()) << "{\"marrowind\": 1, \"sequences\": [\n"
                                  "  {\"name\": \"Eta\", \"keys\": \"h\", \"every\": 5, \"target\": {\"program\": \"x.exe\"}},\n"
                                  "  {\"name\": \"Theta\", \"keys\": \"t\", \"every\": 0, \"target\": {\"program\": \"x.exe\"}}\n"
                                  "]}\n";
    chooseFile(app, sequences, 'I', L"Import Sequences", bad);
    const HWND box = boxSaying(app.process().id(), L"Line 3: ");
    ASSERT_NE(box, nullptr);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(rows(sequences), exported);
    EXPECT_EQ(regQuery(kSequencesKey + "\\Eta", "keys"), std::nullopt);
    DeleteFileW(file.c_str());
    DeleteFileW(bad.c_str());
}

}  // namespace
}  // namespace e2e
