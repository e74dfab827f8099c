#pragma once
#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace mw {

// Values the whole program shares for its run.
struct ProgramState {
    WindowHandle MainWindowHandle = kNoWindow;  // set once at startup
    std::int32_t CustomSeconds = 0;             // the "every x seconds" options; never saved
    bool MinimizedToTray = false;
    std::string ShortTitle;
};

}  // namespace mw
