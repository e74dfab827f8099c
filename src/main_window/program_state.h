#pragma once
#include <cstdint>

#include "platform/window_handle.h"
#include "typing/turn_queue.h"

namespace mw {

// Values the whole program shares for its run.
struct ProgramState {
    WindowHandle MainWindowHandle = kNoWindow;  // set once at startup
    bool MinimizedToTray = false;
    // The main window is closing: the shutdown has begun and every handler,
    // also one running nested under it, does nothing more.
    bool Closing = false;
    // One typing turn at a time, of the main window's typing and every
    // sequence's.
    TurnQueue turns;
};

}  // namespace mw
