#include "integration/sys_tray.h"

#include "platform/failure.h"

namespace mw {

cSysTray::cSysTray(NotificationArea& shell, Clock& clock, EventLoop& events)
    : shell_(shell), clock_(clock), events_(events)
{
    shell_.onEvent = [this](TrayEvent event) { HandleTrayMessage(event); };
    // A restarted shell has forgotten the icon: add it again.
    shell_.onTaskbarCreated = [this] {
        if (iconAdded_) AddIcon();
    };
    shell_.onRetryDue = [this] { retryAdd(); };
}

cSysTray::~cSysTray()
{
    *alive_ = false;
    setInTray(false);
    shell_.onEvent = nullptr;
    shell_.onTaskbarCreated = nullptr;
    shell_.onRetryDue = nullptr;
}

TrayRecord cSysTray::record() const
{
    TrayRecord r;
    r.id = iconId_;
    return r;
}

void cSysTray::setInTray(bool show)
{
    if (show == iconAdded_) return;
    iconAdded_ = show;
    if (show) {
        AddIcon();
    } else {
        DeleteIcon();
        iconShown_ = false;
    }
}

TrayRecord cSysTray::iconRecord() const
{
    TrayRecord r = record();
    if (trayIcon_) {
        r.setIcon = true;
        r.icon = trayIcon_->handle;
    }
    if (!trayTip_.empty()) {
        r.setTip = true;
        r.tip = trayTip_;
    }
    r.setMessage = true;
    return r;
}

void cSysTray::AddIcon()
{
    iconShown_ = shell_.notify(TrayOperation::Add, iconRecord());
    if (iconShown_) return;
    // At logon the shell can time out on an add although the taskbar exists,
    // and then no "TaskbarCreated" follows: offer the icon again later.
    shell_.scheduleRetry(kIconRetryMs);
    if (IconMissing) IconMissing();
}

void cSysTray::retryAdd()
{
    if (!iconAdded_ || iconShown_) return;
    // An add that timed out may have reached the shell after all; then a
    // second add fails for ever, while a modify finds the icon.
    const TrayRecord r = iconRecord();
    iconShown_ = shell_.notify(TrayOperation::Modify, r) || shell_.notify(TrayOperation::Add, r);
    if (!iconShown_) shell_.scheduleRetry(kIconRetryMs);
}

void cSysTray::DeleteIcon() { shell_.notify(TrayOperation::Delete, record()); }

void cSysTray::setTrayIcon(const std::optional<Picture>& icon)
{
    if (!icon || icon->type != Picture::Type::Icon) return;
    if (iconAdded_) {
        TrayRecord r = record();
        r.setIcon = true;
        r.icon = icon->handle;
        shell_.notify(TrayOperation::Modify, r);
    }
    trayIcon_ = icon;
}

void cSysTray::setTrayTip(const std::string& tip)
{
    if (iconAdded_) {
        TrayRecord r = record();
        r.setTip = true;
        r.tip = tip;
        shell_.notify(TrayOperation::Modify, r);
    }
    trayTip_ = tip;
}

void cSysTray::HandleTrayMessage(TrayEvent event)
{
    switch (event) {
    case TrayEvent::LeftDoubleClick:
        if (MouseDblClick) MouseDblClick(1, iconId_);
        break;
    case TrayEvent::RightDoubleClick:
        if (MouseDblClick) MouseDblClick(2, iconId_);
        break;
    case TrayEvent::MenuRequested:
        if (MenuRequested) MenuRequested();
        break;
    case TrayEvent::KeySelected:
        if (KeySelected) KeySelected();
        break;
    case TrayEvent::BalloonGone: balloonShowing_ = false; break;
    }
}

void cSysTray::ShowBalloon(const std::string& tip, const std::string& title, std::int32_t showTimer, bool showOnce)
{
    if (showOnce && onceCount_ >= 1) return;
    TrayRecord r = record();
    r.setInfo = true;
    r.infoTitle = title;
    r.info = tip;
    if (showTimer > 0) {
        if (showTimer >= 2147484) fail(kOverflow);
        r.timeoutMs = static_cast<unsigned>(showTimer) * 1000u;
    }
    shell_.notify(TrayOperation::Modify, r);
    balloonShowing_ = true;
    if (showOnce) ++onceCount_;
    if (showTimer <= 0) return;

    // Wait without spinning: sleep until an event arrives or the time is up,
    // handling what arrives (a tick, a turn, a double click on the icon).
    const std::shared_ptr<bool> alive = alive_;
    const std::int64_t end = clock_.monotonicMs() + static_cast<std::int64_t>(showTimer) * 1000;
    for (std::int64_t now = clock_.monotonicMs(); now < end; now = clock_.monotonicMs()) {
        events_.waitForEvents(static_cast<int>(end - now));
        if (!*alive) return;  // the control went away during the wait
        if (events_.quitRequested()) return;  // the program is ending
        if (!balloonShowing_) return;
    }
    // Still up when the time is over: take it away (it stays "showing" until
    // the shell reports it gone).
    if (balloonShowing_) takeBalloonAway();
}

void cSysTray::takeBalloonAway()
{
    TrayRecord away = record();
    away.setInfo = true;  // an empty title and text remove the balloon
    shell_.notify(TrayOperation::Modify, away);
}

void cSysTray::HideBalloon()
{
    if (!balloonShowing_) return;
    takeBalloonAway();
    balloonShowing_ = false;
}

}  // namespace mw
