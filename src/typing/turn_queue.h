#pragma once
// One typing turn at a time for every session of the program: a turn that
// falls due while another runs waits for it, and waiting turns go in the
// order they fell due.
#include <deque>
#include <functional>

namespace mw {

class TurnQueue {
public:
    using Owner = const void*;
    // A session that takes its turns here, until it leaves.
    void join(Owner owner);
    // Starts the turn at once when none runs, else once those before it are
    // over. A session has at most one turn waiting or running.
    void request(Owner owner, std::function<void()> start);
    // The owner's waiting turn goes (its session was turned off); a running
    // one is the owner's to stop.
    void withdraw(Owner owner);
    // The running turn is over: the next one waiting starts.
    void finished(Owner owner);
    // The owner goes away (the program ends): its turns are dropped and no
    // other starts for it.
    void leave(Owner owner);

    bool busy() const { return running_ != nullptr; }
    // More than one session takes its turns here: a turn's keys must be in
    // before the next turn may take the front from its target.
    bool shared() const { return members_ > 1; }
    // The owner's turn waits or runs.
    bool holds(Owner owner) const;
    // The owner's turn is the one that runs (it may be ending).
    bool runs(Owner owner) const { return running_ == owner; }

private:
    struct Waiting {
        Owner owner;
        std::function<void()> start;
    };
    void startNext();

    Owner running_ = nullptr;
    bool starting_ = false;  // inside a turn's start
    int members_ = 0;
    std::deque<Waiting> waiting_;
};

}  // namespace mw
