#pragma once
// Whether the target is where the keyboard input goes.
#include "platform/window_system.h"

namespace mw {

// The keys typed now go to the target: it is the foreground window, and the
// thread that takes the keyboard input has made it its active window.
bool inFront(WindowSystem& windows, WindowHandle target);

}  // namespace mw
