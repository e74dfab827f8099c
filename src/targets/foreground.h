#pragma once
// Bringing the target to where the keyboard input goes, and telling that it
// is there.
#include "platform/window_system.h"

namespace mw {

// The keys typed now go to the target: it is the foreground window, and the
// thread that takes the keyboard input has made it its active window.
bool inFront(WindowSystem& windows, WindowHandle target);

// Makes the target the window the keys go to, trying for a bounded time and
// never waiting on another program; false when it is gone or hung, or stays
// behind.
bool bringToFront(WindowSystem& windows, WindowHandle target);

}  // namespace mw
