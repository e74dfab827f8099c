#pragma once
// The shell's notification area: one icon with tooltip, balloon and mouse
// notifications.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace mw {

struct TrayRecord {
    int id = 0;
    bool setIcon = false;
    std::uintptr_t icon = 0;  // the native icon handle
    bool setTip = false;
    bool setMessage = false;
    bool setInfo = false;
    // Cut to the shell's fields where they are longer.
    std::string tip;
    std::string infoTitle;
    std::string info;
    unsigned timeoutMs = 0;
};

enum class TrayOperation { Add = 0, Modify = 1, Delete = 2 };

// What the shell reports of the icon, as the program acts on it.
enum class TrayEvent {
    LeftDoubleClick,
    RightDoubleClick,
    // The right button, or the menu key or Shift+F10 on the icon.
    MenuRequested,
    // Enter or the space bar on the icon.
    KeySelected,
    // The balloon was closed, timed out or clicked.
    BalloonGone,
};

// One line of the icon's menu.
struct TrayMenuItem {
    TrayMenuItem(std::string line = {}, bool isEnabled = true, bool isSeparator = false)
        : text(std::move(line)), enabled(isEnabled), separator(isSeparator)
    {
    }
    std::string text;  // a tab separates the shortcut shown at the right
    bool enabled = true;
    bool separator = false;
    bool checked = false;
    // A line that opens a menu of its own.
    std::vector<TrayMenuItem> submenu;
};

class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // Returns whether the shell took it.
    virtual bool notify(TrayOperation operation, const TrayRecord& record) = 0;
    // The shell's reports for the icon; other mouse activity is not passed on.
    std::function<void(TrayEvent event)> onEvent;
    // Shows the icon's menu where the user asked for it and returns the
    // index of the chosen item, or -1 when the menu was dismissed. Items are
    // counted in order with the lines of a submenu right after the line that
    // opens it. The menu closes when the user clicks elsewhere.
    virtual int showMenu(const std::vector<TrayMenuItem>& items) = 0;
    // Asks for onRetryDue once, after about delayMs milliseconds: the shell
    // refused the icon and it is to be offered again.
    virtual void scheduleRetry(int delayMs) = 0;
    // The shell was restarted and the icon must be added again.
    std::function<void()> onTaskbarCreated;
    std::function<void()> onRetryDue;
};

}  // namespace mw
