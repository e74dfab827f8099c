#pragma once
// The desktop's top-level windows, as the window list and the typing turn see
// them.
#include <string>

#include "window_handle.h"

namespace mw {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // The top-level window at the top of the stacking order (kNoWindow if none).
    virtual WindowHandle firstTopLevel() = 0;
    // The next window below in stacking order; kNoWindow after the last one and
    // for a window that no longer exists.
    virtual WindowHandle nextBelow(WindowHandle window) = 0;
    virtual WindowHandle owner(WindowHandle window) = 0;
    // The whole title; empty for a window that no longer exists.
    virtual std::string title(WindowHandle window) = 0;
    virtual bool isVisible(WindowHandle window) = 0;
    virtual bool exists(WindowHandle window) = 0;
    // Puts the window into the always-on-top band, or takes it out and places it
    // above all normal windows; neither moves nor resizes it, both activate it.
    virtual void setTopmostBand(WindowHandle window, bool topmost) = 0;
    // Shows the window in its default show state.
    virtual void showDefault(WindowHandle window) = 0;
    // Makes the window the foreground window, so that it receives the keys,
    // trying for a short bounded time; false when it could not be done (gone,
    // hung, or refused).
    virtual bool bringToForeground(WindowHandle window) = 0;
};

}  // namespace mw
