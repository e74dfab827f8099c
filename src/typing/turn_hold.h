#pragma once
// What keeps a typing turn from touching its target at all: checked before the
// target is raised, so a turn that cannot type leaves every window as it was.
#include "platform/window_system.h"

namespace mw {

enum class TurnHold {
    None,
    // The session is locked or a secure desktop is up: input goes nowhere, and
    // the next due turn after the user is back types again.
    DesktopLocked,
    // The target's program runs with higher privileges: the system would drop
    // every key.
    HigherPrivileges,
    // The window in front runs with higher privileges: it takes none of this
    // program's input, and the input that lets the program ask for the
    // foreground is input too, so the target could not come to the front.
    ElevatedInFront,
    // Another program runs full screen in front: taking the foreground would
    // drop it out of full screen. The target itself may be full screen.
    FullScreenInFront,
};

TurnHold holdBeforeTurn(WindowSystem& windows, WindowHandle target);

}  // namespace mw
