#include "integration/sys_tray.h"

#include <algorithm>

#include "platform/failure.h"
#include "shell/utf8.h"

namespace mw {

std::string cutToField(const std::string& text, std::size_t field)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        const std::size_t need = c.codePoint >= 0x10000 ? 2 : 1;  // a surrogate pair in UTF-16
        if (units + need > field - 1) return text.substr(0, i);
        units += need;
        i += c.length;
    }
    return text;
}

cSysTray::cSysTray(NotificationArea& shell, Clock& clock, EventLoop& events)
    : shell_(shell), clock_(clock), events_(events)
{
    shell_.onNotification = [this](int code, int id) { HandleTrayMessage(code, id); };
    // A restarted shell has forgotten the icon: add it again.
    shell_.onTaskbarCreated = [this] {
        if (iconAdded_) AddIcon();
    };
    shell_.onRetryDue = [this] { retryAdd(); };
}

cSysTray::~cSysTray()
{
    *alive_ = false;
    if (inTray_) setInTray(false);
    shell_.onNotification = nullptr;
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
    if (show == inTray_) return;
    if (show) {
        iconAdded_ = true;
        AddIcon();
    } else if (iconAdded_) {
        DeleteIcon();
        iconAdded_ = false;
        iconShown_ = false;
    }
    inTray_ = show;
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
        r.tip = cutToField(trayTip_, kTipField);
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
        r.tip = cutToField(tip, kTipField);
        shell_.notify(TrayOperation::Modify, r);
    }
    trayTip_ = tip;
}

void cSysTray::HandleTrayMessage(int code, int id)
{
    using namespace tray_code;
    const auto raise = [&](const std::function<void(int, int)>& event, int button) {
        if (event) event(button, id);
    };
    switch (code) {
    case kMouseMove:
        if (MouseMove) MouseMove(id);
        break;
    case kLeftDown: raise(MouseDown, 1); break;
    case kLeftUp: raise(MouseUp, 1); break;
    case kLeftDouble: raise(MouseDblClick, 1); break;
    case kRightDown: raise(MouseDown, 2); break;
    case kRightUp: raise(MouseUp, 2); break;
    case kRightDouble: raise(MouseDblClick, 2); break;
    case kContextMenu:
        if (MenuRequested) MenuRequested();
        break;
    case kKeySelect:
        if (KeySelected) KeySelected();
        break;
    case kBalloonHide:
    case kBalloonTimeout:
    case kBalloonUserClick: balloonShowing_ = false; break;
    default: break;
    }
}

void cSysTray::ShowBalloon(const std::string& tip, const std::string& title, std::int32_t showTimer, bool showOnce)
{
    if (showOnce && onceCount_ >= 1) return;
    TrayRecord r = record();
    r.setInfo = true;
    r.infoTitle = cutToField(title, kInfoTitleField);
    r.info = cutToField(tip, kInfoField);
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
