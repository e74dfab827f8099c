#include "main_window/schedule.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(Schedule, CountsDownToATurnAndStartsAgainAfterIt)
{
    Schedule schedule;
    schedule.setInterval(5);
    for (int second = 1; second <= 4; ++second) {
        const Countdown c = schedule.tick();
        EXPECT_EQ(c.secondsLeft, 5 - second);
        EXPECT_EQ(c.progressMax, 5);
        EXPECT_EQ(c.progressValue, second);
        EXPECT_FALSE(c.due);
    }
    const Countdown fifth = schedule.tick();
    EXPECT_TRUE(fifth.due);
    EXPECT_EQ(fifth.progressValue, 5);
    EXPECT_EQ(fifth.secondsLeft, 0);
    schedule.restartCount();
    EXPECT_EQ(schedule.tick().secondsLeft, 4);
}

TEST(Schedule, AnIntervalOfZeroOrLessIsNeverDueAndACountPastTheIntervalIsDue)
{
    for (const int interval : {0, -5}) {
        Schedule schedule;
        schedule.setInterval(interval);
        for (int second = 1; second <= 3; ++second) {
            const Countdown c = schedule.tick();
            EXPECT_FALSE(c.due) << interval;
            EXPECT_EQ(c.progressMax, 1);
            EXPECT_EQ(c.progressValue, 0) << "the bar stays empty";
            EXPECT_EQ(c.secondsLeft, interval - second) << "the overrun shows as a growing time";
        }
    }
    // Thirty seconds counted of a sixty-second interval, then ten chosen.
    Schedule schedule;
    schedule.setInterval(60);
    for (int i = 0; i < 30; ++i) schedule.tick();
    schedule.setInterval(10);
    const Countdown c = schedule.tick();
    EXPECT_TRUE(c.due);
    EXPECT_EQ(c.progressValue, std::nullopt) << "past the interval the bar keeps its value";
}

}  // namespace
}  // namespace mw
