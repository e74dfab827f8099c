#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "sim/list_view.h"

namespace mw {
namespace {

void fill(ListView& list, std::initializer_list<const char*> titles)
{
    for (const char* title : titles) list.setSubItem(list.addRow(title), std::string(title) + "#");
}

TEST(ListViewSelection, FillingAnEmptyListSelectsTheFirstRowWithoutAClick)
{
    sim::SimListView list;
    fill(list, {"a", "b", "c"});
    EXPECT_EQ(list.rawSelection(), 1);
    EXPECT_EQ(list.selectedPosition(), 1);
    EXPECT_EQ(list.selectedText(), "a");
    EXPECT_EQ(list.selectedSubItem(), "a#");
}

TEST(ListViewSelection, AListWithRowsButNoSelectionTreatsTheFirstAsSelected)
{
    sim::SimListView list;
    fill(list, {"a", "b"});
    list.clickRow(0);  // a click on empty space clears the raw selection
    EXPECT_EQ(list.selectedPosition(), 1);
}

TEST(ListViewSelection, EmptyListAndBadPositionsAreFailuresNotCrashes)
{
    sim::SimListView list;
    EXPECT_THROW(list.selectedText(), Failure);
    fill(list, {"a"});
    EXPECT_THROW(list.select(2), Failure);
    EXPECT_THROW(list.select(0), Failure);
    list.clear();
    EXPECT_THROW(list.selectedPosition(), Failure) << "no row to fall back on";
}

TEST(RowChoice, EachGestureThatChoosesARowCountsOnceAndNoOtherDoes)
{
    // The notifications a list sends for each gesture, in order: selection
    // changes (gained?, mouse button down?) and the end of the press.
    struct Change {
        bool gained, mouseDown;
    };
    struct Case {
        const char* gesture;
        std::vector<Change> changes;
        std::optional<bool> pressEndedLeft;  // none: no press
        int choices;
    };
    const Case cases[] = {
        {"left click on another row", {{false, true}, {true, true}}, true, 1},
        {"left click on the selected row", {}, true, 1},
        {"right click on another row", {{false, true}, {true, true}}, false, 1},
        {"right click on the selected row", {}, false, 0},
        {"right click on empty space", {{false, true}}, false, 1},
        {"drag from another row", {{false, true}, {true, true}}, false, 1},
        {"arrow key", {{false, false}, {true, false}}, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        RowChoice choice;
        int choices = 0;
        for (const Change& change : c.changes) choices += choice.selectionChanged(change.gained, change.mouseDown);
        if (c.pressEndedLeft) choices += choice.pressEnded(*c.pressEndedLeft);
        EXPECT_EQ(choices, c.choices) << c.gesture;
        EXPECT_FALSE(choice.pressEnded(false)) << c.gesture << ": nothing left over for the next press";
    }
}

}  // namespace
}  // namespace mw
