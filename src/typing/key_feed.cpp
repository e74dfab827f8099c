#include "typing/key_feed.h"

#include <algorithm>
#include <cmath>

namespace mw {

void KeyFeed::sent(std::size_t events, std::int64_t nowMs)
{
    const double now = static_cast<double>(nowMs);
    if (batches_ == 0) {
        firstSentMs_ = nowMs;
        drainsAtMs_ = now;
    }
    ++batches_;
    events_ += events;
    // Queued behind what is left, or into an empty queue.
    if (eventsPerMs_ > 0) drainsAtMs_ = std::max(drainsAtMs_, now) + static_cast<double>(events) / eventsPerMs_;
}

void KeyFeed::caughtUp(std::int64_t nowMs)
{
    if (batches_ == 0) return;
    // All of them were taken since the first went: a pace no faster than the
    // target's (it may have finished before it was seen to), which the next
    // batches, sent before the queue runs dry, bring closer to it.
    const std::int64_t took = std::max<std::int64_t>(1, nowMs - firstSentMs_);
    eventsPerMs_ = static_cast<double>(events_) / static_cast<double>(took);
    batches_ = 0;
    events_ = 0;
    drainsAtMs_ = static_cast<double>(nowMs);
}

std::optional<std::int64_t> KeyFeed::dueAt(std::int64_t nowMs) const
{
    if (batches_ == 0) return nowMs;
    if (batches_ >= batchesAhead_ || eventsPerMs_ <= 0) return std::nullopt;
    return std::max(nowMs, nearlyTakenAt());
}

std::int64_t KeyFeed::nearlyTakenAt() const { return static_cast<std::int64_t>(std::ceil(drainsAtMs_)) - leadMs_; }

}  // namespace mw
