#include <gtest/gtest.h>

#include "platform/sim/list_view.h"

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

TEST(ListViewSelection, RebuildingMovesTheSelectionToTheNewFirstRow)
{
    sim::SimListView list;
    fill(list, {"a", "b", "c"});
    list.clickRow(3);
    EXPECT_EQ(list.selectedText(), "c");
    list.clear();
    fill(list, {"x", "y"});
    EXPECT_EQ(list.selectedText(), "x");
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
    EXPECT_THROW(list.setColumnWidth(1, 100), Failure);  // no column yet
}

}  // namespace
}  // namespace mw
