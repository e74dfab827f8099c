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

    // Raised after a click (or a keyboard move) has set the selection.
    std::function<void()> onClick;
    std::function<void()> onSelectionMovedByKeyboard;
    std::function<void()> onMouseMove;

protected:
    virtual int appendRow(const std::string& text) = 0;
    // 0 when no row is selected.
    virtual int selectedRow() const = 0;
    virtual void selectRow(int position) = 0;
};

}  // namespace mw
