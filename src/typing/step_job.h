#pragma once
// A long job run as numbered steps from the message loop. Each step runs
// under the error reporting of its line and schedules the one after it on the
// step timer. A step may show an error box, whose message loop lets other
// events in: what such an event asks of the job (a stop) waits until the
// outermost step has returned, so that no step's state is torn down under it.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/step_timer.h"
#include "shell/error_dialog.h"

namespace mw {

class StepJob {
public:
    // alive: whether the job still runs; a step of a job that has ended
    // meanwhile is dropped. afterFailure: how the job goes on when a step
    // failed (and was reported) without scheduling a next one.
    StepJob(Dialogs& dialogs, StepTimer& timer, std::string location, std::function<bool()> alive,
            std::function<void()> afterFailure);

    // Runs one step, reporting a failure at the line.
    void run(int line, const std::function<void()>& step);
    // Schedules the next step (a job has one).
    void next(std::int64_t delayMs, std::function<void()> step);
    // Drops the next step.
    void cancel() { timer_.cancel(); }
    // Runs the action now, or, called from inside a step, once the outermost
    // step has returned; a later call replaces an action still waiting.
    void whenNoStepRuns(std::function<void()> action);
    bool actionWaiting() const { return static_cast<bool>(waiting_); }

    // The numbered steps of the job's own statements, outside run.
    template <class Step>
    bool step(int line, Step&& body)
    {
        return steps_.step(line, std::forward<Step>(body));
    }
    template <class Test>
    bool test(int line, Test&& condition)
    {
        return steps_.test(line, std::forward<Test>(condition));
    }

private:
    StepTimer& timer_;
    NumberedSteps steps_;
    std::function<bool()> alive_;
    std::function<void()> afterFailure_;
    int depth_ = 0;
    bool scheduled_ = false;  // the step running now has scheduled the next
    std::function<void()> waiting_;
};

}  // namespace mw
