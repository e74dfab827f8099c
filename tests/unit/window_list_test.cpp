#include "targets/window_list.h"

#include <gtest/gtest.h>

#include "sim/list_view.h"
#include "sim/services.h"
#include "sim/window_system.h"

namespace mw {
namespace {

class WindowListTest : public ::testing::Test {
protected:
    // The rows the list shows; the targets hold the same, row for row.
    std::vector<std::pair<std::string, std::string>> rows() const
    {
        std::vector<std::pair<std::string, std::string>> shown, held;
        for (const auto& row : list.rows) shown.emplace_back(row.text, row.subItem);
        for (const auto& row : targets.rows()) held.emplace_back(row.title, std::to_string(row.window));
        EXPECT_EQ(shown, held);
        return shown;
    }
    void walk() { getAllWindows({windows, dialogs, mainWindow}, targets, list); }

    sim::SimWindowSystem windows;
    sim::SimDialogs dialogs;
    sim::SimListView list;
    TargetList targets;
    WindowHandle mainWindow = kNoWindow;
};

TEST_F(WindowListTest, ListsOnlyVisibleUnownedTitledWindowsOtherThanTheMainWindow)
{
    const WindowHandle notepad = windows.add("Untitled - Notepad");
    windows.add("hidden helper", false);
    mainWindow = windows.add("Marrowind main window");
    windows.add("Save As", true, notepad);  // an owned dialog
    windows.add("");                        // untitled
    const WindowHandle blank = windows.add(" ");
    const WindowHandle target = windows.add("Recorder");
    walk();
    EXPECT_EQ(rows(), (decltype(rows()){{"Untitled - Notepad", std::to_string(notepad)},
                                         {" ", std::to_string(blank)},
                                         {"Recorder", std::to_string(target)}}));
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(WindowListTest, WindowsTheTaskbarLeavesOutAreNotListed)
{
    struct Case {
        const char* title;
        bool cloaked;
        WindowSystem::ExtendedStyle style;  // tool window, no-activate, app window
        bool listed;
    };
    const Case cases[] = {
        {"plain", false, {}, true},
        {"on another virtual desktop", true, {}, false},
        {"cloaked app window", true, {false, false, true}, false},
        {"tool window", false, {true, false, false}, false},
        {"no-activate", false, {false, true, false}, false},
        {"tool app window", false, {true, false, true}, true},
        {"no-activate app window", false, {false, true, true}, true},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        sim::SimWindowSystem::Window& window = *windows.find(windows.add(c.title));
        window.cloaked = c.cloaked;
        window.style = c.style;
        if (c.listed) expected.push_back(c.title);
    }
    walk();
    std::vector<std::string> titles;
    for (const auto& row : list.rows) titles.push_back(row.text);
    EXPECT_EQ(titles, expected);
}

TEST_F(WindowListTest, RowsFollowTheStackingOrderAndARebuildSelectsTheFirstRow)
{
    windows.add("one");
    windows.add("two");
    const WindowHandle three = windows.add("three");
    walk();
    list.clickRow(3);
    windows.bringToTop(three);
    walk();
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[0].text, "three");
    EXPECT_EQ(list.selectedText(), "three");
    walk();
    EXPECT_EQ(list.rows.size(), 3u) << "a rebuild keeps no row from before";
}

TEST_F(WindowListTest, LongTitlesAreCutToTheirFirst79Characters)
{
    windows.add(std::string(100, 'x'));
    walk();
    EXPECT_EQ(list.rows.at(0).text, std::string(79, 'x'));
}

TEST(CutTitle, CountsCharactersNotBytes)
{
    struct Case {
        std::string title;
        std::size_t expectedBytes;
    };
    std::string umlauts;
    for (int i = 0; i < 80; ++i) umlauts += "\xC3\xA4";  // ä
    std::string mixed = std::string(78, 'a') + "\xE4\xB8\xAD" + "\xE4\xB8\xAD";  // 78 + 2 CJK
    const Case cases[] = {
        {"", 0}, {"short", 5}, {std::string(79, 'a'), 79}, {umlauts, 79 * 2}, {mixed, 78 + 3},
        {std::string(78, 'a') + "\x80\x80", 79},  // stray continuation bytes are characters of their own
    };
    for (const Case& c : cases) EXPECT_EQ(cutTitle(c.title).size(), c.expectedBytes) << c.title;
}

TEST_F(WindowListTest, AWindowDestroyedDuringTheWalkEndsIt)
{
    windows.add("first");
    const WindowHandle doomed = windows.add("doomed");
    windows.add("below");
    windows.onTitle = [&](WindowHandle w) {
        if (w == doomed) windows.destroy(doomed);
    };
    walk();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].text, "first");
}

TEST_F(WindowListTest, ARowThatCannotBeAppendedIsSkippedAndNoOtherRowGetsItsHandle)
{
    const WindowHandle a = windows.add("a");
    const WindowHandle b = windows.add("b");
    const WindowHandle c = windows.add("c");
    windows.onTitle = [&](WindowHandle w) {
        if (w == b) list.failNextAppend = true;
    };
    walk();
    EXPECT_EQ(rows(), (decltype(rows()){{"a", std::to_string(a)}, {"c", std::to_string(c)}}));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].text.find("in Pellquist2021/08/31.mProcess.getAllWindows at line 116"),
              std::string::npos);
}

TEST_F(WindowListTest, NegativeHandlesAreWrittenAsSignedDecimal)
{
    windows.stack.push_back({});
    windows.stack.back().handle = -123456;
    windows.stack.back().title = "negative";
    walk();
    EXPECT_EQ(list.rows.at(0).subItem, "-123456");
}

TEST_F(WindowListTest, EmptyDesktopGivesAnEmptyList)
{
    list.addRow("stale");
    targets.add("stale", 4);
    walk();
    EXPECT_TRUE(rows().empty());
}

}  // namespace
}  // namespace mw
