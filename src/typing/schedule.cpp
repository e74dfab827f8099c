#include "typing/schedule.h"

#include <algorithm>

#include "shell/utf8.h"

namespace mw {

std::vector<std::string> oneCharacterUnits(const std::string& text)
{
    std::vector<std::string> units;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text.compare(i, 2, "\r\n") == 0 ? 2 : decodeUtf8(text, i).length;
        units.push_back(text.substr(i, length));
        i += length;
    }
    return units;
}

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
