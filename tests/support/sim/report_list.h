#pragma once
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/report_list.h"
#include "sim/event_hook.h"

namespace mw::sim {

// A report list in memory that counts what the program did to it, so a test
// can tell a refresh in place from a rebuild.
class SimReportList final : public ReportList {
public:
    void addColumn(const std::string& caption, int widthTwips) override { columns.push_back({caption, widthTwips}); }
    int count() const override { return static_cast<int>(rows.size()); }
    void insertRow(int row) override
    {
        check(row, count());
        rows.insert(rows.begin() + row, std::vector<std::string>(columns.size()));
        if (selected_ >= row) ++selected_;
        ++inserts;
    }
    void removeRow(int row) override
    {
        check(row, count() - 1);
        rows.erase(rows.begin() + row);
        if (selected_ == row) selected_ = -1;
        if (selected_ > row) --selected_;
        ++removals;
    }
    std::string cell(int row, int column) const override { return at(row, column); }
    void setCell(int row, int column, const std::string& text) override
    {
        at(row, column) = text;
        ++cellWrites;
    }
    int selected() const override { return selected_; }
    void select(int row) override
    {
        check(row, count() - 1, -1);
        selected_ = row;
    }
    void setFocus() override { ++focusRequests; }

    // As the user: a click on a row (-1: the empty space below the rows), a
    // double click, the Delete key.
    void clickRow(int row)
    {
        select(row);
        if (onSelectionChanged) onSelectionChanged();
        eventHandled();
    }
    void doubleClickRow(int row)
    {
        clickRow(row);
        if (onActivate) onActivate();
        eventHandled();
    }
    void pressDelete()
    {
        if (onDeleteKey) onDeleteKey();
        eventHandled();
    }
    // The texts of a column, top to bottom.
    std::vector<std::string> column(int column) const
    {
        std::vector<std::string> out;
        for (int row = 0; row < count(); ++row) out.push_back(cell(row, column));
        return out;
    }

    struct Column {
        std::string caption;
        int widthTwips;
    };
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
    int inserts = 0, removals = 0, cellWrites = 0, focusRequests = 0;

private:
    void check(int row, int last, int first = 0) const
    {
        if (row < first || row > last) fail(kIndexOutOfBounds);
    }
    std::string& at(int row, int column)
    {
        check(row, count() - 1);
        check(column, static_cast<int>(columns.size()) - 1);
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    const std::string& at(int row, int column) const { return const_cast<SimReportList*>(this)->at(row, column); }

    int selected_ = -1;
};

}  // namespace mw::sim
