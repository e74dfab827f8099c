#include "shell/running_copy.h"

namespace mw {

RunningCopy findRunningCopy(RunningCopies& copies, Clock& clock, const std::function<bool()>& request)
{
    const std::int64_t start = clock.monotonicMs();
    for (;;) {
        if (copies.claim()) return RunningCopy::None;
        if (request()) return RunningCopy::Answered;
        if (clock.monotonicMs() - start >= kWaitForRunningCopyMs) return RunningCopy::NoAnswer;
        copies.pause(kLookForRunningCopyEveryMs);
    }
}

bool startAsTheOnlyCopy(RunningCopies& copies, Clock& clock)
{
    return findRunningCopy(copies, clock, [&] { return copies.askToShow(); }) == RunningCopy::None;
}

}  // namespace mw
