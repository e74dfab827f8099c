#pragma once
// Pacing a repeating timer against a monotonic clock, so that the rounding of
// the system timer does not add up: the k-th tick is due at start + k
// intervals. A tick whose time passed while the program was busy is not made
// up; the next one keeps the schedule.
#include <cstdint>

namespace mw {

class PacedSchedule {
public:
    PacedSchedule(std::int64_t startMs, std::int64_t intervalMs) : start_(startMs), interval_(intervalMs) {}

    // Milliseconds from now until the next tick is due.
    std::int64_t delayFrom(std::int64_t nowMs) const { return dueMs() > nowMs ? dueMs() - nowMs : 0; }
    // Called as a tick is delivered: moves on to the next tick still ahead.
    // One that fired a little early does not tick twice; ticks missed while
    // busy are skipped, not delivered in a burst.
    void ticked(std::int64_t nowMs)
    {
        ++next_;
        while (dueMs() <= nowMs) ++next_;
    }
    std::int64_t dueMs() const { return start_ + next_ * interval_; }

private:
    std::int64_t start_;
    std::int64_t interval_;
    std::int64_t next_ = 1;
};

}  // namespace mw
