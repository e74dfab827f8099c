#pragma once
// The list control in report view, as the program uses it: columns, rows with
// a text and one sub-item, and one selected row.
//
// Selection rule: at most one row is selected, and a list that has rows but no
// selected row treats its first row as the selected one (a freshly filled list
// therefore has its first row selected). The rule lives here, once, over the
// few primitives an implementation supplies.
#include <functional>
#include <string>

#include "failure.h"

namespace mw {

// Which of a list's own notifications are the user choosing a row: a left
// click, also on the row already selected; a key that selects a row; a right
// click or a drag whose press moved the selection. A press that moved the
// selection counts once, when it ends, so a click never counts twice.
class RowChoice {
public:
    // A row gained or lost the selection, not at the program's request.
    // Returns whether that is a choice to report now.
    bool selectionChanged(bool gained, bool mouseButtonDown)
    {
        if (mouseButtonDown) {
            pressMoved_ = true;
            return false;
        }
        return gained;
    }
    // A press ended in a left click (leftClick), a right click or a drag.
    bool pressEnded(bool leftClick)
    {
        const bool chosen = leftClick || pressMoved_;
        pressMoved_ = false;
        return chosen;
    }

private:
    bool pressMoved_ = false;
};

class ListView {
public:
    virtual ~ListView() = default;

    virtual void addColumn(const std::string& caption) = 0;
    // Column index is 1-based; the width is in twips.
    virtual void setColumnWidth(int column, int twips) = 0;
    virtual void clear() = 0;
    virtual int count() const = 0;
    // Appends a row after the last one and returns its 1-based position.
    int addRow(const std::string& text)
    {
        const int position = appendRow(text);
        if (position == 1) selectRow(1);
        return position;
    }
    // Sets the first sub-item (second column) of the row at a 1-based position.
    virtual void setSubItem(int position, const std::string& text) = 0;
    virtual std::string text(int position) const = 0;
    virtual std::string subItem(int position) const = 0;

    // 1-based position of the selected row; applies the selection rule.
    int selectedPosition()
    {
        const int n = count();
        if (n == 0) fail(kIndexOutOfBounds);
        int position = selectedRow();
        if (position < 1 || position > n) {
            selectRow(1);
            position = 1;
        }
        return position;
    }
    std::string selectedText() { return text(selectedPosition()); }
    std::string selectedSubItem() { return subItem(selectedPosition()); }
    void select(int position)
    {
        if (position < 1 || position > count()) fail(kIndexOutOfBounds);
        selectRow(position);
    }

    // Raised once the user has chosen a row (see RowChoice), after the
    // selection is set.
    std::function<void()> onClick;
    std::function<void()> onMouseMove;

protected:
    // Implementations pass the user's gestures here, so that every kind of
    // list raises onClick by the same rule.
    void userSelectionChanged(bool gained, bool mouseButtonDown)
    {
        if (choice_.selectionChanged(gained, mouseButtonDown) && onClick) onClick();
    }
    void userPressEnded(bool leftClick)
    {
        if (choice_.pressEnded(leftClick) && onClick) onClick();
    }

    virtual int appendRow(const std::string& text) = 0;
    // 0 when no row is selected.
    virtual int selectedRow() const = 0;
    virtual void selectRow(int position) = 0;

private:
    RowChoice choice_;
};

}  // namespace mw
