#include "platform/win32/notification_area.h"

#include <cwchar>

#include "platform/win32/utf.h"

namespace mw::win32 {
namespace {

constexpr UINT kTrayNotifyMessage = WM_USER + 101;  // 1125
constexpr UINT_PTR kRetryTimer = 1;

template <std::size_t N>
void copyField(wchar_t (&field)[N], const std::string& text)
{
    const std::wstring wide = widen(text);
    wcsncpy(field, wide.c_str(), N - 1);
    field[N - 1] = L'\0';
}

}  // namespace

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
        data.uCallbackMessage = kTrayNotifyMessage;
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
    return Shell_NotifyIconW(message, &data) != FALSE;
}

LRESULT Win32NotificationArea::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTrayNotifyMessage) {
        if (onNotification) onNotification(static_cast<int>(LOWORD(lParam)), static_cast<int>(wParam));
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (onTaskbarCreated) onTaskbarCreated();
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
