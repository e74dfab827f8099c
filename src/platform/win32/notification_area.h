#pragma once
#include <optional>

#include "platform/notification_area.h"
#include "platform/win32/window_class.h"

namespace mw::win32 {

// The message that brings the shell's notifications for the icon.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 101;

// The event a notification code of the icon stands for, if the program acts
// on it. menuReported: the shell took version 3, so the right button's menu
// comes as WM_CONTEXTMENU.
std::optional<TrayEvent> trayEventOf(UINT code, bool menuReported);

// The notification area through Shell_NotifyIconW. The icon's notifications
// arrive at a hidden top-level window of its own (message 1125); being
// top-level, it also hears the shell's "TaskbarCreated" broadcast after an
// Explorer restart, which message-only windows never get.
class Win32NotificationArea final : public NotificationArea, private WindowClass {
public:
    Win32NotificationArea();
    bool notify(TrayOperation operation, const TrayRecord& record) override;
    void scheduleRetry(int delayMs) override;
    int showMenu(const std::vector<TrayMenuItem>& items) override;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    UINT taskbarCreated_;
    // The shell took the icon's version 3 behaviour: it reports the menu key,
    // Shift+F10 and the right button as WM_CONTEXTMENU, and Enter on the icon.
    bool menuReported_ = false;
};

}  // namespace mw::win32
