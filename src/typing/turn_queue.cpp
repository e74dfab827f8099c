#include "typing/turn_queue.h"

#include <algorithm>

namespace mw {

void TurnQueue::join(Owner) { ++members_; }

void TurnQueue::request(Owner owner, std::function<void()> start)
{
    if (holds(owner)) return;
    waiting_.push_back({owner, std::move(start)});
    if (!running_) startNext();
}

void TurnQueue::withdraw(Owner owner)
{
    std::erase_if(waiting_, [&](const Waiting& w) { return w.owner == owner; });
}

void TurnQueue::finished(Owner owner)
{
    if (running_ != owner) return;
    running_ = nullptr;
    if (!starting_) startNext();
}

void TurnQueue::leave(Owner owner)
{
    --members_;
    withdraw(owner);
    if (running_ == owner) running_ = nullptr;
}

bool TurnQueue::holds(Owner owner) const
{
    return running_ == owner ||
           std::any_of(waiting_.begin(), waiting_.end(), [&](const Waiting& w) { return w.owner == owner; });
}

void TurnQueue::startNext()
{
    // A turn may end within its start (nothing to type into): the next goes
    // then, from this loop rather than from inside that start.
    while (!running_ && !waiting_.empty()) {
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        running_ = next.owner;
        starting_ = true;
        next.start();
        starting_ = false;
    }
}

}  // namespace mw
