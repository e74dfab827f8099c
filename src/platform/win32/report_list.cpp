#include "platform/win32/report_list.h"

#include "platform/failure.h"
#include "platform/form_layout.h"
#include "platform/win32/controls.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

void Win32ReportList::addColumn(const std::string& caption, int widthTwips)
{
    std::wstring text = widen(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = twipsToPixels(widthTwips, dpi_);
    column.iSubItem = static_cast<int>(widthsTwips_.size());
    const auto at = static_cast<WPARAM>(widthsTwips_.size());
    if (SendMessageW(hwnd_, LVM_INSERTCOLUMNW, at, reinterpret_cast<LPARAM>(&column)) < 0)
        fail("Could not add the column \"" + caption + "\"");
    widthsTwips_.push_back(widthTwips);
}

void Win32ReportList::setDpi(int dpi)
{
    dpi_ = dpi;
    for (std::size_t i = 0; i < widthsTwips_.size(); ++i)
        SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(twipsToPixels(widthsTwips_[i], dpi_), 0));
}

int Win32ReportList::count() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

void Win32ReportList::checkRow(int row, int last) const
{
    if (row < 0 || row > last) fail(kIndexOutOfBounds);
}

void Win32ReportList::insertRow(int row)
{
    checkRow(row, count());
    wchar_t empty[] = L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = empty;
    if (SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) < 0) fail("Could not add a row");
}

void Win32ReportList::removeRow(int row)
{
    checkRow(row, count() - 1);
    SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

std::string Win32ReportList::cell(int row, int column) const
{
    checkRow(row, count() - 1);
    return listViewCell(hwnd_, row, column);
}

void Win32ReportList::setCell(int row, int column, const std::string& text)
{
    checkRow(row, count() - 1);
    std::wstring wide = widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int Win32ReportList::selected() const
{
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32ReportList::select(int row)
{
    if (row < -1 || row >= count()) fail(kIndexOutOfBounds);
    selecting_ = true;
    LVITEMW item{};
    item.stateMask = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
    item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    // As the item, -1 stands for every row: none stays selected.
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (row >= 0) SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    selecting_ = false;
}

void Win32ReportList::setFocus() { SetFocus(hwnd_); }

LRESULT Win32ReportList::notify(const NMHDR& header)
{
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool was = change.uOldState & LVIS_SELECTED, is = change.uNewState & LVIS_SELECTED;
        if (was != is && !selecting_ && onSelectionChanged) onSelectionChanged();
        break;
    }
    case NM_DBLCLK:
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0 && onActivate) onActivate();
        break;
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE && onDeleteKey) onDeleteKey();
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace mw::win32
