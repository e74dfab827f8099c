#include "platform/win32/notification_area.h"

#include <cwchar>

#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"
#include "shell/utf8.h"

namespace mw::win32 {
namespace {

constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kSetVersionMessage = WM_APP + 1;

// A text longer than its field of the shell's record is cut to the field,
// keeping the NUL and never splitting a character.
template <std::size_t N>
void copyField(wchar_t (&field)[N], const std::string& text)
{
    const std::wstring wide = widen(std::string(cutToUtf16Units(text, N - 1)));
    wcsncpy(field, wide.c_str(), N - 1);
    field[N - 1] = L'\0';
}

}  // namespace

std::optional<TrayEvent> trayEventOf(UINT code, bool menuReported)
{
    switch (code) {
    case WM_LBUTTONDBLCLK: return TrayEvent::LeftDoubleClick;
    case WM_RBUTTONDBLCLK: return TrayEvent::RightDoubleClick;
    case WM_CONTEXTMENU: return TrayEvent::MenuRequested;
    // A shell without version 3 reports only the button: the menu is asked
    // for with it. With version 3 the same click comes as WM_CONTEXTMENU too.
    case WM_RBUTTONUP:
        if (!menuReported) return TrayEvent::MenuRequested;
        return std::nullopt;
    case NIN_KEYSELECT: return TrayEvent::KeySelected;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT:
    case NIN_BALLOONUSERCLICK: return TrayEvent::BalloonGone;
    default: return std::nullopt;  // moves, other buttons, the balloon appearing
    }
}

Win32NotificationArea::Win32NotificationArea() : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated"))
{
    create(L"MarrowindTray", WS_POPUP, WS_EX_TOOLWINDOW, L"Marrowind tray", 0, 0, 0, 0, nullptr, nullptr, nullptr,
           "mSysTray");
    // A copy started elevated would not hear the shell, which runs at a lower
    // integrity level: let its broadcast through the message filter.
    if (taskbarCreated_) ChangeWindowMessageFilterEx(hwnd(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
}

void Win32NotificationArea::scheduleRetry(int delayMs)
{
    SetTimer(hwnd(), kRetryTimer, static_cast<UINT>(delayMs > 0 ? delayMs : USER_TIMER_MINIMUM), nullptr);
}

bool Win32NotificationArea::notify(TrayOperation operation, const TrayRecord& record)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd();
    data.uID = static_cast<UINT>(record.id);
    if (record.setIcon) {
        data.uFlags |= NIF_ICON;
        data.hIcon = reinterpret_cast<HICON>(record.icon);
    }
    if (record.setTip) {
        data.uFlags |= NIF_TIP;
        copyField(data.szTip, record.tip);
    }
    if (record.setMessage) {
        data.uFlags |= NIF_MESSAGE;
        data.uCallbackMessage = kTrayCallbackMessage;
    }
    if (record.setInfo) {
        data.uFlags |= NIF_INFO;
        copyField(data.szInfo, record.info);
        copyField(data.szInfoTitle, record.infoTitle);
        data.uTimeout = record.timeoutMs;
        data.dwInfoFlags = NIIF_NONE;
    }
    const DWORD message = operation == TrayOperation::Add      ? NIM_ADD
                          : operation == TrayOperation::Modify ? NIM_MODIFY
                                                               : NIM_DELETE;
    const bool taken = Shell_NotifyIconW(message, &data) != FALSE;
    // Each call waits for the shell: the version follows once the program is
    // idle, not on the way to its window appearing.
    if (taken && operation == TrayOperation::Add) PostMessageW(hwnd(), kSetVersionMessage, data.uID, 0);
    return taken;
}

namespace {

// A submenu belongs to the menu it is appended to and goes with it.
void appendItems(HMENU menu, const std::vector<TrayMenuItem>& items, UINT_PTR& next)
{
    for (const TrayMenuItem& item : items) {
        const UINT_PTR command = next++;
        if (item.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        UINT_PTR id = command;
        if (!item.submenu.empty()) {
            const HMENU sub = CreatePopupMenu();
            appendItems(sub, item.submenu, next);
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(sub);
        }
        AppendMenuW(menu, flags, id, widen(item.text).c_str());
    }
}

}  // namespace

int Win32NotificationArea::showMenu(const std::vector<TrayMenuItem>& items)
{
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) return -1;
    UINT_PTR next = 1;  // each line's command: its index, plus one
    appendItems(menu.get(), items, next);
    // The first item does what a double click on the icon does, so it is the
    // default, shown in bold as Windows shows defaults.
    SetMenuDefaultItem(menu.get(), 1, FALSE);
    POINT at{};
    GetCursorPos(&at);
    // A tray menu closes when the user clicks elsewhere only if its window is
    // the foreground window; the posted message lets it close at once.
    SetForegroundWindow(hwnd());
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const int chosen = static_cast<int>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | align, at.x, at.y, hwnd(), nullptr));
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    return chosen - 1;
}

LRESULT Win32NotificationArea::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTrayCallbackMessage) {
        const std::optional<TrayEvent> event = trayEventOf(LOWORD(lParam), menuReported_);
        if (event && onEvent) onEvent(*event);
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (onTaskbarCreated) onTaskbarCreated();
        return 0;
    }
    if (message == kSetVersionMessage) {
        NOTIFYICONDATAW version{};
        version.cbSize = sizeof version;
        version.hWnd = hwnd();
        version.uID = static_cast<UINT>(wParam);
        version.uVersion = NOTIFYICON_VERSION;
        menuReported_ = Shell_NotifyIconW(NIM_SETVERSION, &version) != FALSE;
        return 0;
    }
    if (message == WM_TIMER && wParam == kRetryTimer) {
        KillTimer(hwnd(), kRetryTimer);  // once; the control asks again if need be
        if (onRetryDue) onRetryDue();
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace mw::win32
