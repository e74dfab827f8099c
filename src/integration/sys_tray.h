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

// Shell notification codes the icon reports.
namespace tray_code {
inline constexpr int kMouseMove = 512, kLeftDown = 513, kLeftUp = 514, kLeftDouble = 515, kRightDown = 516,
                     kRightUp = 517, kRightDouble = 518, kContextMenu = 123, kKeySelect = 1025,
                     kBalloonShow = 1026, kBalloonHide = 1027, kBalloonTimeout = 1028, kBalloonUserClick = 1029;
}  // namespace tray_code

// How long the control waits before offering a refused icon to the shell again.
inline constexpr int kIconRetryMs = 2000;

// Text cut to a field of the shell's record: at most field - 1 UTF-16 units,
// never splitting a character.
std::string cutToField(const std::string& text, std::size_t field);

class cSysTray {
public:
    cSysTray(NotificationArea& shell, Clock& clock, EventLoop& events);
    ~cSysTray();
    cSysTray(const cSysTray&) = delete;
    cSysTray& operator=(const cSysTray&) = delete;

    bool InTray() const { return inTray_; }
    void setInTray(bool show);
    const std::string& TrayTip() const { return trayTip_; }
    void setTrayTip(const std::string& tip);
    const std::optional<Picture>& TrayIcon() const { return trayIcon_; }
    void setTrayIcon(const std::optional<Picture>& icon);

    // Shows a balloon; with a time, waits for it (handling other events
    // meanwhile) until the shell reports it gone or the time is up, then takes
    // it away. Raises "Overflow" for a time beyond 2147483 seconds.
    void ShowBalloon(const std::string& tip, const std::string& title, std::int32_t showTimer, bool showOnce);

    // Takes a showing balloon away now, ending a wait for it.
    void HideBalloon();

    void HandleTrayMessage(int code, int id);

    std::function<void(int id)> MouseMove;
    std::function<void(int button, int id)> MouseDown;
    std::function<void(int button, int id)> MouseUp;
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

    bool iconAdded() const { return iconAdded_; }
    // The shell holds the icon now, so the user can reach the program there.
    bool iconShown() const { return iconShown_; }
    bool balloonShowing() const { return balloonShowing_; }
    std::int32_t onceCount() const { return onceCount_; }

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
    bool inTray_ = false;
    const int iconId_ = 0;
    std::string trayTip_;
    std::optional<Picture> trayIcon_;
    bool iconAdded_ = false;
    bool iconShown_ = false;
    bool balloonShowing_ = false;
    std::int32_t onceCount_ = 0;
    // Lets a balloon wait notice that the control was destroyed under it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace mw
