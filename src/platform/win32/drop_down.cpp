#include "platform/win32/drop_down.h"

#include "platform/win32/utf.h"

namespace mw::win32 {

void Win32DropDownList::setLines(const std::vector<std::string>& lines)
{
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(line).c_str()));
}

int Win32DropDownList::chosen() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

void Win32DropDownList::command(WORD code)
{
    // CBN_SELCHANGE also comes as the keyboard walks the closed list: each
    // line reached is the one chosen, as the control shows it.
    if (code == CBN_DROPDOWN && onOpening) onOpening();
    if (code == CBN_SELCHANGE && onChosen) onChosen();
}

}  // namespace mw::win32
