#pragma once
// Time as the program needs it: a monotonic count for pacing, and the local
// date and time as the user's locale writes them.
#include <cstdint>
#include <string>

namespace mw {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from an arbitrary start; never goes back.
    virtual std::int64_t monotonicMs() = 0;
    // The current local date and time in the user's general format (short date,
    // a blank, long time).
    virtual std::string nowText() = 0;
};

}  // namespace mw
