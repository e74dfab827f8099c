#include "typing/key_feed.h"

#include <gtest/gtest.h>

#include <optional>

namespace mw {
namespace {

TEST(KeyFeed, TheNextBatchIsDueALeadBeforeTheQueueRunsDryAndWaitsWhenSoManyAreAhead)
{
    // Three batches ahead at most, due 30 ms before the queue runs dry. Each
    // row happens at `at` ms; then the feed is asked when the next is due.
    enum Op { Look, Sent, CaughtUp };
    struct Row {
        Op op;
        std::int64_t at;
        std::optional<std::int64_t> due;
        std::size_t events = 0;
    };
    constexpr auto wait = std::nullopt;
    const Row rows[] = {
        {Look, 0, 0},              // nothing sent: at once
        {CaughtUp, 0, 0},          // nothing to catch up on
        {Sent, 0, wait, 1000},     // the pace is not known yet
        {Look, 400, wait},
        {CaughtUp, 500, 500},      // 1,000 in 500 ms: 2 a ms
        {Sent, 500, 970, 1000},    // taken by 1,000
        {Look, 600, 970},
        {Look, 980, 980},          // late: never before now
        {Sent, 980, 1470, 1000},   // queued behind the first: taken by 1,500
        {Sent, 1470, wait, 1000},  // three ahead
        {Look, 1800, wait},
        {CaughtUp, 1900, 1900},    // 3,000 since 500: the pace measured again
        {Sent, 1900, 2197, 700},   // 700 at 15/7 a ms: taken by 2,226.7
        {Sent, 2300, 2737, 1000},  // into a queue already empty: taken by 2,766.7
    };
    KeyFeed feed(3, 30);
    for (const Row& row : rows) {
        if (row.op == Sent) feed.sent(row.events, row.at);
        if (row.op == CaughtUp) feed.caughtUp(row.at);
        EXPECT_EQ(feed.dueAt(row.at), row.due) << "at " << row.at;
        EXPECT_EQ(feed.allTaken(), row.op == CaughtUp || (row.op == Look && row.at == 0)) << "at " << row.at;
    }
}

}  // namespace
}  // namespace mw
