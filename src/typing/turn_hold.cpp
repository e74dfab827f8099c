#include "typing/turn_hold.h"

namespace mw {

TurnHold holdBeforeTurn(WindowSystem& windows, WindowHandle target)
{
    if (!windows.desktopTakesInput()) return TurnHold::DesktopLocked;
    if (!windows.acceptsOurInput(target)) return TurnHold::HigherPrivileges;
    if (const WindowHandle front = windows.foregroundWindow();
        front != kNoWindow && front != target && !windows.acceptsOurInput(front))
        return TurnHold::ElevatedInFront;
    if (windows.fullScreenInFront()) {
        const WindowHandle front = windows.foregroundWindow();
        if (front != target && windows.creatorOf(front).process != windows.creatorOf(target).process)
            return TurnHold::FullScreenInFront;
    }
    return TurnHold::None;
}

}  // namespace mw
