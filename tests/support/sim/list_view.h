#pragma once
#include <vector>

#include "platform/list_view.h"
#include "sim/event_hook.h"

namespace mw::sim {

class SimListView final : public ListView {
public:
    struct Row {
        std::string text;
        std::string subItem;
    };
    struct Column {
        std::string caption;
        int widthTwips = 0;
    };

    void addColumn(const std::string& caption) override { columns.push_back({caption, 0}); }
    void setColumnWidth(int column, int twips) override
    {
        if (column < 1 || column > static_cast<int>(columns.size())) fail(kIndexOutOfBounds);
        columns[static_cast<std::size_t>(column - 1)].widthTwips = twips;
    }
    void clear() override
    {
        rows.clear();
        selected_ = 0;
    }
    int count() const override { return static_cast<int>(rows.size()); }
    void setSubItem(int position, const std::string& text) override { row(position).subItem = text; }
    std::string text(int position) const override { return row(position).text; }
    std::string subItem(int position) const override { return row(position).subItem; }

    // Acts as the user on the row at a 1-based position (0: empty space).
    void clickRow(int position)
    {
        moveSelection(position, true);
        userPressEnded(true);
        eventHandled();
    }
    void rightClickRow(int position)
    {
        moveSelection(position, true);
        userPressEnded(false);
        eventHandled();
    }
    void keyTo(int position)
    {
        moveSelection(position, false);
        eventHandled();
    }
    int rawSelection() const { return selected_; }

    std::vector<Column> columns;
    std::vector<Row> rows;
    bool failNextAppend = false;

protected:
    int appendRow(const std::string& text) override
    {
        if (failNextAppend) {
            failNextAppend = false;
            fail("Out of memory");
        }
        rows.push_back({text, {}});
        return count();
    }
    int selectedRow() const override { return selected_; }
    void selectRow(int position) override { selected_ = position; }

private:
    // The selection as the user moves it: the old row loses it, the new one
    // gains it, each change notified as the real control does.
    void moveSelection(int position, bool byMouse)
    {
        if (position == selected_) return;
        if (selected_ != 0) userSelectionChanged(false, byMouse);
        selected_ = position;
        if (position != 0) userSelectionChanged(true, byMouse);
    }
    Row& row(int position)
    {
        if (position < 1 || position > count()) fail(kIndexOutOfBounds);
        return rows[static_cast<std::size_t>(position - 1)];
    }
    const Row& row(int position) const { return const_cast<SimListView*>(this)->row(position); }

    int selected_ = 0;
};

}  // namespace mw::sim
