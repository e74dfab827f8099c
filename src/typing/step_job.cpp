#include "typing/step_job.h"

#include <utility>

namespace mw {

StepJob::StepJob(Dialogs& dialogs, StepTimer& timer, std::string location, std::function<bool()> alive,
                 std::function<void()> afterFailure)
    : timer_(timer), steps_(dialogs, std::move(location)), alive_(std::move(alive)),
      afterFailure_(std::move(afterFailure))
{
}

void StepJob::run(int line, const std::function<void()>& step)
{
    if (!alive_()) return;
    ++depth_;
    scheduled_ = false;
    const bool done = steps_.step(line, step);
    --depth_;
    if (!done && alive_() && !scheduled_) afterFailure_();
    if (depth_ == 0 && waiting_ && alive_()) std::exchange(waiting_, nullptr)();
}

void StepJob::next(std::int64_t delayMs, std::function<void()> step)
{
    // A job ended under the step that asks (from a nested event) has no next.
    if (!alive_()) return;
    scheduled_ = true;
    timer_.schedule(delayMs, std::move(step));
}

void StepJob::whenNoStepRuns(std::function<void()> action)
{
    if (depth_ > 0) {
        waiting_ = std::move(action);
        return;
    }
    action();
}

}  // namespace mw
