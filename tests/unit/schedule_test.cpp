#include "typing/schedule.h"

#include <gtest/gtest.h>

#include <set>

namespace mw {
namespace {

TEST(Schedule, CountsDownToATurnAndStartsAgainAfterIt)
{
    Schedule schedule(1);
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
        Schedule schedule(1);
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
    Schedule schedule(1);
    schedule.setInterval(60);
    for (int i = 0; i < 30; ++i) schedule.tick();
    schedule.setInterval(10);
    const Countdown c = schedule.tick();
    EXPECT_TRUE(c.due);
    EXPECT_EQ(c.progressValue, std::nullopt) << "past the interval the bar keeps its value";
}

TEST(Schedule, JitterVariesEachIntervalWithinItsBoundsAndNeverBelowASecond)
{
    struct Case {
        std::int32_t interval;
        int jitter, lowest, highest;
    };
    for (const Case c : {Case{10, 3, 7, 13}, Case{2, 5, 1, 7}, Case{5, 0, 5, 5}}) {
        Schedule schedule(7);
        schedule.setInterval(c.interval);
        schedule.setJitter(c.jitter);
        std::set<std::int32_t> seen;
        for (int i = 0; i < 400; ++i) {
            schedule.restartCount();
            seen.insert(schedule.currentInterval());
        }
        EXPECT_EQ(*seen.begin(), c.lowest) << c.interval << "+-" << c.jitter;
        EXPECT_EQ(*seen.rbegin(), c.highest) << c.interval << "+-" << c.jitter;
        const Countdown first = schedule.tick();
        EXPECT_EQ(first.progressMax, schedule.currentInterval()) << "the bar and countdown show the real interval";
        EXPECT_EQ(first.secondsLeft, schedule.currentInterval() - 1);
    }
}

TEST(Schedule, StopsAfterSoManyTurnsOrMinutesCountedFromTurningOn)
{
    Schedule schedule(1);
    schedule.setStopRules({3, 0});
    schedule.turnOn(0);
    for (int turn = 1; turn <= 3; ++turn) {
        EXPECT_EQ(schedule.stopDue(0), StopReason::None) << turn;
        schedule.countTurn();
    }
    EXPECT_EQ(schedule.stopDue(0), StopReason::Turns);
    schedule.setStopRules({0, 2});
    schedule.turnOn(1000);
    EXPECT_EQ(schedule.stopDue(1000 + 2 * 60000 - 1), StopReason::None);
    EXPECT_EQ(schedule.stopDue(1000 + 2 * 60000), StopReason::Minutes);
    schedule.turnOff();
    EXPECT_EQ(schedule.stopDue(1000 + 3 * 60000), StopReason::None) << "nothing to stop once off";
}

}  // namespace
}  // namespace mw
