#pragma once
// The shell's notification area: one icon with tooltip, balloon and mouse
// notifications.
#include <functional>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mw {

// The message that brings the shell's notifications for the icon (WM_USER + 101).
inline constexpr int kTrayNotifyMessage = 1125;

// Field sizes of the shell's record, in UTF-16 units including the NUL.
inline constexpr std::size_t kTipField = 128;
inline constexpr std::size_t kInfoField = 256;
inline constexpr std::size_t kInfoTitleField = 64;

struct TrayRecord {
    int id = 0;
    bool setIcon = false;
    std::uintptr_t icon = 0;  // the native icon handle
    bool setTip = false;
    bool setMessage = false;
    bool setInfo = false;
    std::string tip;         // already cut to its field
    std::string infoTitle;   // already cut to its field
    std::string info;        // already cut to its field
    unsigned timeoutMs = 0;
};

enum class TrayOperation { Add = 0, Modify = 1, Delete = 2 };

// One line of the icon's menu.
struct TrayMenuItem {
    std::string text;  // a tab separates the shortcut shown at the right
    bool enabled = true;
    bool separator = false;
};

class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // Returns whether the shell took it.
    virtual bool notify(TrayOperation operation, const TrayRecord& record) = 0;
    // The shell's notifications for the icon: the notification code (a mouse
    // message or a balloon report) and the icon identifier.
    std::function<void(int code, int id)> onNotification;
    // Shows the icon's menu where the user asked for it and returns the
    // index of the chosen item, or -1 when the menu was dismissed. The menu
    // closes when the user clicks elsewhere.
    virtual int showMenu(const std::vector<TrayMenuItem>& items) = 0;
    // Asks for onRetryDue once, after about delayMs milliseconds: the shell
    // refused the icon and it is to be offered again.
    virtual void scheduleRetry(int delayMs) = 0;
    // The shell was restarted and the icon must be added again.
    std::function<void()> onTaskbarCreated;
    std::function<void()> onRetryDue;
};

}  // namespace mw
