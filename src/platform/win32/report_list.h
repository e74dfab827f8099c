#pragma once
// The report list over a list-view control: rows placed and removed one by
// one, cells written only when asked, one selected row or none.
#include <vector>

#include "platform/report_list.h"
#include "platform/win32/controls.h"

namespace mw::win32 {

class Win32ReportList final : public ReportList, public RoutedControl {
public:
    Win32ReportList(HWND hwnd, int dpi) : hwnd_(hwnd), dpi_(dpi) {}
    void addColumn(const std::string& caption, int widthTwips) override;
    int count() const override;
    void insertRow(int row) override;
    void removeRow(int row) override;
    std::string cell(int row, int column) const override;
    void setCell(int row, int column, const std::string& text) override;
    int selected() const override;
    void select(int row) override;
    void setFocus() override;
    LRESULT notify(const NMHDR& header) override;
    void setDpi(int dpi) override;

private:
    void checkRow(int row, int last) const;
    HWND hwnd_;
    int dpi_;
    std::vector<int> widthsTwips_;
    bool selecting_ = false;
};

}  // namespace mw::win32
