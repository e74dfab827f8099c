#pragma once
// One copy per user session: two would type every key twice into the same
// window. A second start shows the copy that runs and ends. A copy gives its
// token up as soon as it begins to close, and then no longer shows itself: a
// start in that moment finds the token held by a copy that cannot show
// itself, waits for the token and runs.
#include <functional>

#include "platform/clock.h"
#include "platform/running_copies.h"

namespace mw {

// How long a start waits for a copy that neither shows itself nor lets go of
// the token (one still starting, or closing), and how often it looks.
inline constexpr int kWaitForRunningCopyMs = 5000;
inline constexpr int kLookForRunningCopyEveryMs = 50;

// What a start found: it took the token and goes on as the session's copy,
// or a running copy answered its request, or a copy held the token for the
// whole wait without answering.
enum class RunningCopy { None, Answered, NoAnswer };
RunningCopy findRunningCopy(RunningCopies& copies, Clock& clock, const std::function<bool()>& request);

// Whether this start goes on as the session's copy; false when a running copy
// showed itself, or held the token for the whole wait.
bool startAsTheOnlyCopy(RunningCopies& copies, Clock& clock);

}  // namespace mw
