#pragma once
// The next step of a long job (a typing turn), run after a delay on the
// program's own thread from whatever message loop runs then, so that the
// program answers every click, key and close between two steps. Precise to
// about a millisecond, not to the system timer's 15.6 ms step.
#include <cstdint>
#include <functional>

namespace mw {

class StepTimer {
public:
    virtual ~StepTimer() = default;
    // Runs the step once after the delay (0: as soon as the program is back
    // in its message loop). A job has one next step: this replaces any step
    // not yet run.
    virtual void schedule(std::int64_t delayMs, std::function<void()> step) = 0;
    // The step not yet run is dropped.
    virtual void cancel() = 0;
};

}  // namespace mw
