#pragma once
#include <cstdint>

#include "platform/window_handle.h"

namespace mw {

// Values the whole program shares for its run.
struct ProgramState {
    WindowHandle MainWindowHandle = kNoWindow;  // set once at startup
    bool MinimizedToTray = false;
    // The main window is closing: the shutdown has begun and every handler,
    // also one running nested under it, does nothing more.
    bool Closing = false;
};

}  // namespace mw
