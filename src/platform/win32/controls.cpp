#include "platform/win32/controls.h"

#include <algorithm>
#include <vector>

#include "platform/form_layout.h"
#include "platform/win32/utf.h"
#include "typing/virtual_keys.h"

namespace mw::win32 {

// --- ColorBrush -------------------------------------------------------------

void ColorBrush::set(Color color)
{
    color_ = color;
    solid_.reset();
}

COLORREF ColorBrush::rgb() const
{
    if (color_ & 0x80000000u) return GetSysColor(static_cast<int>(color_ & 0xFFu));
    return static_cast<COLORREF>(color_ & 0x00FFFFFFu);
}

HBRUSH ColorBrush::brush() const
{
    // System colour brushes are the system's own and must not be deleted.
    if (color_ & 0x80000000u) return GetSysColorBrush(static_cast<int>(color_ & 0xFFu));
    if (!solid_) solid_.reset(CreateSolidBrush(rgb()));
    return solid_.get();
}

// --- Button -----------------------------------------------------------------

std::string Win32Button::caption() const { return windowText(hwnd_); }
void Win32Button::setCaption(const std::string& text) { SetWindowTextW(hwnd_, widen(text).c_str()); }
bool Win32Button::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Win32Button::setEnabled(bool value)
{
    // A disabled window keeps the focus and no key reaches it any more: the
    // focus moves on first, as the dialog manager would move it.
    if (!value && GetFocus() == hwnd_) SendMessageW(GetParent(hwnd_), WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(hwnd_, value ? TRUE : FALSE);
}
void Win32Button::command(WORD code)
{
    if (code == BN_CLICKED && onClick) onClick();
}
void Win32Button::mouseMoved()
{
    if (onMouseMove) onMouseMove();
}

// --- Frame ------------------------------------------------------------------

std::string Win32Frame::caption() const { return windowText(hwnd_); }
void Win32Frame::setCaption(const std::string& text) { SetWindowTextW(hwnd_, widen(text).c_str()); }
void Win32Frame::setBackColor(Color color)
{
    brush_.set(color);
    InvalidateRect(hwnd_, nullptr, TRUE);
}
void Win32Frame::mouseMoved()
{
    if (onMouseMove) onMouseMove();
}
HBRUSH Win32Frame::backgroundBrush(HDC dc)
{
    SetBkColor(dc, brush_.rgb());
    return brush_.brush();
}

// --- Label ------------------------------------------------------------------

std::string Win32Label::caption() const { return windowText(hwnd_); }
void Win32Label::setCaption(const std::string& text) { SetWindowTextW(hwnd_, widen(text).c_str()); }
void Win32Label::setBackColor(Color color)
{
    brush_.set(color);
    InvalidateRect(hwnd_, nullptr, TRUE);
}
HBRUSH Win32Label::backgroundBrush(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, brush_.rgb());
    return brush_.brush();
}

// --- CheckBox ---------------------------------------------------------------

bool Win32CheckBox::checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Win32CheckBox::setChecked(bool value)
{
    // BM_SETCHECK sends no BN_CLICKED: only the user's click is one.
    SendMessageW(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool Win32CheckBox::visible() const { return IsWindowVisible(hwnd_) != FALSE; }
void Win32CheckBox::setVisible(bool value) { ShowWindow(hwnd_, value ? SW_SHOWNA : SW_HIDE); }
void Win32CheckBox::setBackColor(Color color)
{
    brush_.set(color);
    InvalidateRect(hwnd_, nullptr, TRUE);
}
void Win32CheckBox::command(WORD code)
{
    // BS_AUTOCHECKBOX has already toggled the box when BN_CLICKED arrives.
    if (code == BN_CLICKED && onClick) onClick();
}
HBRUSH Win32CheckBox::backgroundBrush(HDC dc)
{
    SetBkColor(dc, brush_.rgb());
    return brush_.brush();
}

// --- TextBox ----------------------------------------------------------------

Win32TextBox::Win32TextBox(HWND hwnd) : hwnd_(hwnd)
{
    // Unless told otherwise an edit control takes 32,767 characters from the
    // user (Wine's multi-line edit 30,000) and drops the rest of a paste without
    // a word; the key text may be as long as the user likes.
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
}

std::string Win32TextBox::text() const { return windowText(hwnd_); }
void Win32TextBox::setText(const std::string& value)
{
    if (value == text()) return;
    // A multi-line edit sends no EN_CHANGE for WM_SETTEXT (some versions do):
    // raise the change exactly once here.
    settingText_ = true;
    SetWindowTextW(hwnd_, widen(value).c_str());
    settingText_ = false;
    if (onChange) onChange();
}
void Win32TextBox::setFocus()
{
    SetFocus(hwnd_);
    SendMessageW(hwnd_, EM_SETSEL, 0, -1);
}
void Win32TextBox::showBalloon(const std::string& title, const std::string& text)
{
    // The edit control's own balloon (comctl32 6): it points at the caret and
    // goes when the user clicks it or types on.
    const std::wstring wideTitle = widen(title);
    const std::wstring wideText = widen(text);
    EDITBALLOONTIP tip{};
    tip.cbStruct = sizeof tip;
    tip.pszTitle = wideTitle.c_str();
    tip.pszText = wideText.c_str();
    tip.ttiIcon = TTI_WARNING;
    if (SendMessageW(hwnd_, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) return;
    showOwnBalloon(wideTitle, wideText);
}

void Win32TextBox::hideBalloon()
{
    SendMessageW(hwnd_, EM_HIDEBALLOONTIP, 0, 0);
    hideOwnBalloon();
}

void Win32TextBox::showOwnBalloon(const std::wstring& title, const std::wstring& text)
{
    // Only while the user is in the box: a balloon of this kind stays until it
    // is taken away, which the next change or leaving the box does.
    if (GetFocus() != hwnd_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK;
    tool.hwnd = hwnd_;
    tool.uId = 1;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (!ownBalloon_ || !IsWindow(ownBalloon_)) {
        ownBalloon_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                      WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(hwnd_, GA_ROOT), nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (!ownBalloon_) return;
        SendMessageW(ownBalloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(ownBalloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(ownBalloon_, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(title.c_str()));
    // As wide as the box at most, its stem on the box's lower edge near the
    // left, where the text starts.
    RECT box{};
    GetWindowRect(hwnd_, &box);
    SendMessageW(ownBalloon_, TTM_SETMAXTIPWIDTH, 0, box.right - box.left);
    const int x = box.left + std::min<LONG>(24, (box.right - box.left) / 2);
    SendMessageW(ownBalloon_, TTM_TRACKPOSITION, 0, MAKELPARAM(x, box.bottom - 2));
    SendMessageW(ownBalloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void Win32TextBox::hideOwnBalloon()
{
    if (!ownBalloon_ || !IsWindow(ownBalloon_)) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = 1;
    SendMessageW(ownBalloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void Win32TextBox::command(WORD code)
{
    // The edit control's own balloon goes as the user types on or leaves the
    // box; so does the program's in its place.
    if (code == EN_CHANGE || code == EN_KILLFOCUS) hideOwnBalloon();
    if (code == EN_CHANGE && !settingText_ && onChange) onChange();
}

// --- HotkeyBox ---------------------------------------------------------------

namespace {

bool isDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

Win32HotkeyBox::Win32HotkeyBox(HWND hwnd, std::string accessKeys) : hwnd_(hwnd), accessKeys_(std::move(accessKeys))
{
    // A hotkey needs Ctrl or Alt: a key pressed with neither, or with Shift
    // alone, becomes Ctrl+Alt and the key.
    SendMessageW(hwnd_, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
}

std::optional<HotkeyCombination> Win32HotkeyBox::combination() const
{
    const auto value = static_cast<WORD>(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0));
    const BYTE key = LOBYTE(value), modifiers = HIBYTE(value);
    if (key == 0) return std::nullopt;
    // HOTKEYF_EXT tells the navigation block's keys from the keypad's; both
    // are the same virtual key to a hotkey.
    return HotkeyCombination{(modifiers & HOTKEYF_CONTROL) != 0, (modifiers & HOTKEYF_ALT) != 0,
                             (modifiers & HOTKEYF_SHIFT) != 0, key};
}

void Win32HotkeyBox::setCombination(const std::optional<HotkeyCombination>& combination)
{
    WORD value = 0;
    if (combination) {
        BYTE modifiers = (combination->control ? HOTKEYF_CONTROL : 0) | (combination->alt ? HOTKEYF_ALT : 0) |
                         (combination->shift ? HOTKEYF_SHIFT : 0);
        // Named as the navigation block's key (Del), not the keypad's (Num Del).
        if (vk::isExtended(combination->virtualKey)) modifiers |= HOTKEYF_EXT;
        value = MAKEWORD(static_cast<BYTE>(combination->virtualKey), modifiers);
    }
    SendMessageW(hwnd_, HKM_SETHOTKEY, value, 0);
}

std::optional<LRESULT> Win32HotkeyBox::childMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        beforeModifiers_.reset();
        if (onFocusChange) onFocusChange(message == WM_SETFOCUS);
        return std::nullopt;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return keyDown(static_cast<WORD>(wParam));
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!isDown(VK_SHIFT) && !isDown(VK_CONTROL) && !isDown(VK_MENU)) beforeModifiers_.reset();
        return std::nullopt;
    case WM_CHAR:
    case WM_SYSCHAR:
        // Each key came as a key going down first. Wine's control reads the
        // character again as the key of its scan code, and a key a program
        // sends without one (an on-screen keyboard) became another key.
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> Win32HotkeyBox::keyDown(WORD key)
{
    if (vk::isModifier(key)) {
        if (!beforeModifiers_) beforeModifiers_ = static_cast<WORD>(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0));
        return std::nullopt;
    }
    const bool altAlone = isDown(VK_MENU) && !isDown(VK_CONTROL) && !isDown(VK_SHIFT);
    if (!altAlone || key > 0xFF || accessKeys_.find(static_cast<char>(key)) == std::string::npos) {
        beforeModifiers_.reset();  // the control takes the key with the modifiers
        return std::nullopt;
    }
    // Alt and an access key: the dialog navigation moves the focus to its
    // field with the character that follows, as from every other field, and
    // this field keeps what it held. The control lets go of the Alt it saw
    // go down, as the Alt's release goes to the next field.
    SendMessageW(hwnd_, WM_SYSKEYUP, VK_MENU, 0xC0000001);
    if (beforeModifiers_) SendMessageW(hwnd_, HKM_SETHOTKEY, *beforeModifiers_, 0);
    beforeModifiers_.reset();
    return 0;
}

// --- ProgressBar ------------------------------------------------------------

int Win32ProgressBar::max() const { return static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, FALSE, 0)); }
void Win32ProgressBar::setMax(int value)
{
    const int low = static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, TRUE, 0));
    SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(value));
}
int Win32ProgressBar::value() const { return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)); }
void Win32ProgressBar::setValue(int value) { SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(value), 0); }

// --- ListView ---------------------------------------------------------------

void Win32ListView::addColumn(const std::string& caption)
{
    std::wstring text = widen(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = twipsToPixels(1440, dpi_);
    column.iSubItem = columns_;
    if (SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(columns_), reinterpret_cast<LPARAM>(&column)) < 0)
        fail("Could not add the column \"" + caption + "\"");
    ++columns_;
}

void Win32ListView::setColumnWidth(int column, int twips)
{
    if (column < 1 || column > columns_) fail(kIndexOutOfBounds);
    widthsTwips_[column] = twips;
    // A width of 1 twip stays 1 pixel wide: the column exists, its cells keep
    // their text, and it is practically invisible.
    SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column - 1),
                 MAKELPARAM(std::max(1, twipsToPixels(twips, dpi_)), 0));
}

void Win32ListView::setDpi(int dpi)
{
    dpi_ = dpi;
    for (const auto& [column, twips] : widthsTwips_) setColumnWidth(column, twips);
}

void Win32ListView::clear() { SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0); }

int Win32ListView::count() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

int Win32ListView::appendRow(const std::string& text)
{
    std::wstring wide = widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = count();
    item.pszText = wide.data();
    const LRESULT index = SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0) fail("Could not add the row \"" + text + "\"");
    return static_cast<int>(index) + 1;
}

void Win32ListView::setSubItem(int position, const std::string& text)
{
    if (position < 1 || position > count()) fail(kIndexOutOfBounds);
    std::wstring wide = widen(text);
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = wide.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(position - 1), reinterpret_cast<LPARAM>(&item));
}

std::string listViewCell(HWND list, int row, int column)
{
    // The control copies no more than the buffer holds and says how much it
    // copied: a text that filled it may have been cut, so it is asked again.
    std::vector<wchar_t> buffer(512);
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const LRESULT n =
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (n < static_cast<LRESULT>(buffer.size()) - 1) return narrow(buffer.data(), static_cast<int>(n));
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32ListView::cell(int position, int column) const
{
    if (position < 1 || position > count()) fail(kIndexOutOfBounds);
    return listViewCell(hwnd_, position - 1, column);
}

std::string Win32ListView::text(int position) const { return cell(position, 0); }
std::string Win32ListView::subItem(int position) const { return cell(position, 1); }

int Win32ListView::selectedRow() const
{
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)) + 1;
}

void Win32ListView::selectRow(int position)
{
    selecting_ = true;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(position - 1), reinterpret_cast<LPARAM>(&item));
    SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(position - 1), FALSE);
    selecting_ = false;
}

LRESULT Win32ListView::notify(const NMHDR& header)
{
    switch (header.code) {
    case NM_CLICK:
    case NM_RCLICK:
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
        // A press ends in a click or in a drag, never both.
        userPressEnded(header.code == NM_CLICK);
        break;
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool was = change.uOldState & LVIS_SELECTED, is = change.uNewState & LVIS_SELECTED;
        if (was == is || selecting_) break;
        // The control moves the selection as a button goes down and tells of
        // the click when the press ends; a key moves it at once.
        const bool mouseDown = (GetKeyState(VK_LBUTTON) & 0x8000) || (GetKeyState(VK_RBUTTON) & 0x8000);
        userSelectionChanged(is, mouseDown);
        break;
    }
    default:
        break;
    }
    return 0;
}

void Win32ListView::mouseMoved()
{
    if (onMouseMove) onMouseMove();
}

// --- Timer ------------------------------------------------------------------

Win32Timer::~Win32Timer() { ownerGone(); }

void Win32Timer::ownerGone()
{
    if (owner_ && IsWindow(owner_)) KillTimer(owner_, id_);
    owner_ = nullptr;
    schedule_.reset();
    ++generation_;
}

void Win32Timer::setInterval(int milliseconds)
{
    ++generation_;
    interval_ = milliseconds > 0 ? milliseconds : 0;
    if (!owner_) return;
    if (interval_ > 0) {
        schedule_.emplace(static_cast<std::int64_t>(GetTickCount64()), interval_);
        SetTimer(owner_, id_, static_cast<UINT>(interval_), nullptr);
    } else {
        schedule_.reset();
        KillTimer(owner_, id_);
    }
}

void Win32Timer::tick()
{
    const unsigned generation = generation_;
    if (onTick) onTick();
    // Re-arm for the next tick on the schedule, unless the handler stopped or
    // restarted the timer meanwhile.
    if (generation != generation_ || !schedule_) return;
    const auto now = static_cast<std::int64_t>(GetTickCount64());
    schedule_->ticked(now);
    const auto delay = std::max<std::int64_t>(USER_TIMER_MINIMUM, schedule_->delayFrom(now));
    SetTimer(owner_, id_, static_cast<UINT>(delay), nullptr);
}

}  // namespace mw::win32
