#include "typing/schedule.h"

#include <algorithm>


namespace mw {

Schedule::Schedule(std::uint32_t randomStart) : random_(randomStart) {}

void Schedule::turnOn(std::int64_t nowMs)
{
    on_ = true;
    onSinceMs_ = nowMs;
    turnsTyped_ = 0;
    drawJitter();
}

void Schedule::setJitter(int seconds)
{
    if (seconds == jitterSeconds_) return;
    jitterSeconds_ = seconds;
    drawJitter();
}

void Schedule::drawJitter()
{
    jitterOffset_ = jitterSeconds_ > 0 ? std::uniform_int_distribution<int>(-jitterSeconds_, jitterSeconds_)(random_) : 0;
}

void Schedule::restartCount()
{
    elapsedSeconds_ = 0;
    drawJitter();
}

std::int32_t Schedule::currentInterval() const
{
    if (intervalSeconds_ <= 0) return intervalSeconds_;
    const std::int64_t jittered = static_cast<std::int64_t>(intervalSeconds_) + jitterOffset_;
    return static_cast<std::int32_t>(std::max<std::int64_t>(1, jittered));
}

StopReason Schedule::stopDue(std::int64_t nowMs) const
{
    if (!on_) return StopReason::None;
    if (stopRules_.afterTurns > 0 && turnsTyped_ >= stopRules_.afterTurns) return StopReason::Turns;
    if (stopRules_.afterMinutes > 0 && nowMs - onSinceMs_ >= std::int64_t{stopRules_.afterMinutes} * 60000)
        return StopReason::Minutes;
    return StopReason::None;
}

Countdown Schedule::tick()
{
    ++elapsedSeconds_;
    const std::int32_t interval = currentInterval();
    Countdown countdown;
    countdown.secondsLeft = interval - elapsedSeconds_;
    if (interval <= 0) {
        countdown.progressValue = 0;
        return countdown;
    }
    countdown.progressMax = interval;
    if (elapsedSeconds_ <= interval) countdown.progressValue = elapsedSeconds_;
    countdown.due = elapsedSeconds_ >= interval;
    return countdown;
}

}  // namespace mw
