#pragma once
// cSysTray: one icon in the notification area, with tooltip, balloon and the
// mouse activity on the icon as events.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/notification_area.h"

namespace mw {

struct Picture {
    enum class Type { Bitmap = 1, Icon = 3 };
    Type type = Type::Icon;
    std::uintptr_t handle = 0;
};

// How long the control waits before offering a refused icon to the shell again.
inline constexpr int kIconRetryMs = 2000;

class cSysTray {
public:
    cSysTray(NotificationArea& shell, Clock& clock, EventLoop& events);
    ~cSysTray();
    cSysTray(const cSysTray&) = delete;
    cSysTray& operator=(const cSysTray&) = delete;

    void setInTray(bool show);
    void setTrayTip(const std::string& tip);
    void setTrayIcon(const std::optional<Picture>& icon);

    // Shows a balloon; with a time, waits for it (handling other events
    // meanwhile) until the shell reports it gone or the time is up, then takes
    // it away. Raises "Overflow" for a time beyond 2147483 seconds.
    void ShowBalloon(const std::string& tip, const std::string& title, std::int32_t showTimer, bool showOnce);

    // Takes a showing balloon away now, ending a wait for it.
    void HideBalloon();

    // What the shell reported of the icon.
    void HandleTrayMessage(TrayEvent event);

    // A double click on the icon with the left (1) or right (2) button; the
    // icon's identifier is always 0.
    std::function<void(int button, int id)> MouseDblClick;

    // The icon's menu: asked for with the right button or, when the icon has
    // the focus, with the menu key or Shift+F10; shown by ShowMenu.
    std::function<void()> MenuRequested;
    int ShowMenu(const std::vector<TrayMenuItem>& items) { return shell_.showMenu(items); }
    // Enter or the space bar on the icon when it has the keyboard focus.
    std::function<void()> KeySelected;

    // Raised when the shell refuses the icon, at the first add or after a
    // shell restart; the control keeps offering it until the shell takes it.
    std::function<void()> IconMissing;

    // The shell holds the icon now, so the user can reach the program there.
    bool iconShown() const { return iconShown_; }

private:
    void AddIcon();
    void DeleteIcon();
    void retryAdd();
    void takeBalloonAway();
    TrayRecord record() const;
    // The record that adds the icon: picture, tooltip and callback message.
    TrayRecord iconRecord() const;

    NotificationArea& shell_;
    Clock& clock_;
    EventLoop& events_;
    const int iconId_ = 0;
    std::string trayTip_;
    std::optional<Picture> trayIcon_;
    // In the tray (InTray): the icon was added, and is offered again while
    // the shell refuses it.
    bool iconAdded_ = false;
    bool iconShown_ = false;
    bool balloonShowing_ = false;
    std::int32_t onceCount_ = 0;
    // Lets a balloon wait notice that the control was destroyed under it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace mw
