#include "shell/running_copy.h"

namespace mw {

bool startAsTheOnlyCopy(RunningCopies& copies, Clock& clock)
{
    const std::int64_t start = clock.monotonicMs();
    for (;;) {
        if (copies.claim()) return true;
        if (copies.askToShow()) return false;
        if (clock.monotonicMs() - start >= kWaitForRunningCopyMs) return false;
        copies.pause(kLookForRunningCopyEveryMs);
    }
}

}  // namespace mw
