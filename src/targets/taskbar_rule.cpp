#include "targets/taskbar_rule.h"

namespace mw {

bool taskbarShows(WindowSystem& windows, WindowHandle window)
{
    if (windows.isCloaked(window)) return false;
    const WindowSystem::ExtendedStyle style = windows.extendedStyle(window);
    return style.appWindow || !(style.toolWindow || style.noActivate);
}

}  // namespace mw
