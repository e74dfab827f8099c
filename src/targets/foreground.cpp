#include "targets/foreground.h"

namespace mw {

bool inFront(WindowSystem& windows, WindowHandle target)
{
    // Asked of the foreground side, not of the thread the system names as the
    // target's creator: for a console window that is the console program's
    // thread, which has no window active, while the console host's takes the
    // keys.
    return windows.foregroundWindow() == target && windows.threadInput(kForegroundThread).active == target;
}

}  // namespace mw
