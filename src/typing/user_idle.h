#pragma once
// How long the user has given no input, told apart from the program's own.
// The system keeps one stamp for the last input of anyone, as a 32-bit tick
// count that wraps and is not guaranteed to grow: input stamped no later than
// just after the program's own last input is taken for the program's.
#include <cstdint>

namespace mw {

class UserIdle {
public:
    // The program has just given input (keys, or the empty event that lets
    // it ask for the foreground) at this tick.
    void ownInput(std::uint32_t tick)
    {
        ownAt_ = tick;
        own_ = true;
    }
    // Milliseconds since the user's last input, given the system's stamp of
    // the last input and the tick count now.
    std::int64_t idleMs(std::uint32_t lastInputTick, std::uint32_t now);

private:
    bool own_ = false;
    std::uint32_t ownAt_ = 0;
    std::uint32_t userAt_ = 0;
};

}  // namespace mw
