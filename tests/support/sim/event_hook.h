#pragma once
// What the message loop does once the handler of a user's event has returned:
// the steps of a job under way run then. The simulated platform sets it; the
// simulated controls call it after each event they raise.
#include <functional>

namespace mw::sim {

inline std::function<void()>& afterEvent()
{
    static std::function<void()> hook;
    return hook;
}

inline void eventHandled()
{
    if (afterEvent()) afterEvent()();
}

}  // namespace mw::sim
