#pragma once
// How far ahead of the target a turn's keys go. The target's thread takes
// the keys from its input queue at its own pace, and the program learns only
// when it has taken all it was sent (the queue ran empty). From those moments
// the feed measures the pace and says when the next batch is due: once the
// keys still queued would, at that pace, last no longer than the lead, so
// the queue never runs dry while the program looks and sends, and holds
// little more than one batch. At most so many batches go before the target
// is seen to have taken them all: then the next waits until it has, which
// bounds the queue whatever the pace and sets a pace measured wrong right.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace mw {

class KeyFeed {
public:
    KeyFeed(std::size_t batchesAhead, std::int64_t leadMs) : batchesAhead_(batchesAhead), leadMs_(leadMs) {}

    // A batch of so many key events went in.
    void sent(std::size_t events, std::int64_t nowMs);
    // The target was seen to have taken every key sent.
    void caughtUp(std::int64_t nowMs);
    // When the next batch may go (never before now), or nothing while it
    // must wait until the target has caught up.
    std::optional<std::int64_t> dueAt(std::int64_t nowMs) const;
    // When, at the pace measured, the keys still queued will last only the
    // lead: the next batch is due then, or, when it must wait, the target is
    // about to have taken them all.
    std::int64_t nearlyTakenAt() const;
    // Whether the target has been seen to take every key sent.
    bool allTaken() const { return batches_ == 0; }

private:
    std::size_t batchesAhead_;
    std::int64_t leadMs_;
    // Sent since the target was last seen to have caught up: batches, key
    // events, and when the first of them went.
    std::size_t batches_ = 0;
    std::size_t events_ = 0;
    std::int64_t firstSentMs_ = 0;
    double eventsPerMs_ = 0;  // the pace; 0 until measured
    double drainsAtMs_ = 0;   // when, at that pace, the target takes the last key sent
};

}  // namespace mw
