#include "targets/foreground.h"

namespace mw {
namespace {

constexpr int kAttempts = 5;
constexpr int kWaitPerAttemptMs = 100;
constexpr int kLookEveryMs = 5;

}  // namespace

bool inFront(WindowSystem& windows, WindowHandle target)
{
    // Asked of the foreground side, not of the thread the system names as the
    // target's creator: for a console window that is the console program's
    // thread, which has no window active, while the console host's takes the
    // keys.
    return windows.foregroundWindow() == target && windows.threadInput(kForegroundThread).active == target;
}

bool bringToFront(WindowSystem& windows, WindowHandle target)
{
    // A hung window would swallow the keys.
    if (!windows.exists(target) || windows.isHung(target)) return false;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (inFront(windows, target)) return true;
        // The foreground lock lets a program set the foreground when it is in
        // front itself (Type Now) or gave the last input: when asking alone did
        // not do, each further request comes with an input event of our own.
        const bool asked = windows.askForeground(target, attempt > 0);
        if (!asked && attempt == 0) continue;
        // The target's thread takes the activation when it next looks at its
        // queue.
        for (int waited = 0; waited < kWaitPerAttemptMs && !inFront(windows, target); waited += kLookEveryMs)
            windows.pause(kLookEveryMs);
    }
    return inFront(windows, target);
}

}  // namespace mw
