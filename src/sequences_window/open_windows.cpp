#include "sequences_window/open_windows.h"

#include "targets/window_list.h"

namespace mw {

std::vector<OpenWindow> openWindows(WindowSystem& windows, WindowHandle mainWindow)
{
    std::vector<OpenWindow> open;
    // A walk that cycles (the stacking order changing under it) stops.
    int walked = 0;
    for (WindowHandle w = windows.firstTopLevel(); w != kNoWindow && walked < 65536; w = windows.nextBelow(w), ++walked) {
        if (w == mainWindow || !isListableWindow(windows, w)) continue;
        std::string line = cutTitle(windows.title(w));
        const std::string program = windows.programOf(w);
        if (!program.empty()) line += " \xE2\x80\x94 " + program;
        open.push_back({w, std::move(line)});
    }
    return open;
}

}  // namespace mw
