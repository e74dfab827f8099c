#pragma once
// The windows the editor offers to type into: those the main window's list
// offers, in the same order, each shown with its program.
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace mw {

struct OpenWindow {
    WindowHandle window = kNoWindow;
    std::string line;  // "Untitled - Notepad — notepad.exe"
};

std::vector<OpenWindow> openWindows(WindowSystem& windows, WindowHandle mainWindow);

}  // namespace mw
