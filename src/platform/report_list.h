#pragma once
// A list control in report view with any number of columns. The program
// places and removes its rows one by one, so that a refresh changes only the
// cells that changed; at most one row is selected, and none may be.
#include <functional>
#include <string>

namespace mw {

class ReportList {
public:
    virtual ~ReportList() = default;
    virtual void addColumn(const std::string& caption, int widthTwips) = 0;
    virtual int count() const = 0;
    // Rows and columns are 0-based. A new row is empty and goes before the
    // row at that position (at count(): after the last).
    virtual void insertRow(int row) = 0;
    virtual void removeRow(int row) = 0;
    virtual std::string cell(int row, int column) const = 0;
    virtual void setCell(int row, int column, const std::string& text) = 0;
    // The selected row; -1 when none is.
    virtual int selected() const = 0;
    // Selects the row (-1: none) and scrolls it into view; raises no event.
    virtual void select(int row) = 0;
    virtual void setFocus() = 0;

    // The user moved the selection, with the mouse or a key.
    std::function<void()> onSelectionChanged;
    // A double click on a row.
    std::function<void()> onActivate;
    // The Delete key pressed in the list.
    std::function<void()> onDeleteKey;
};

}  // namespace mw
