#pragma once
// Which visible windows the taskbar shows, as far as the window list follows it.
#include "platform/window_system.h"

namespace mw {

// False for windows that count as visible yet the user does not see as
// programs: cloaked ones (on another virtual desktop, a suspended app, shell
// hosts such as the text input windows), and tool and no-activate windows
// unless marked as application windows.
bool taskbarShows(WindowSystem& windows, WindowHandle window);

}  // namespace mw
