#include "typing/user_idle.h"

#include <algorithm>

namespace mw {
namespace {

// Ticks from one stamp to a later one, negative when it is in fact earlier:
// the difference taken as signed survives the wrap of the tick count.
std::int32_t ticksBetween(std::uint32_t from, std::uint32_t to) { return static_cast<std::int32_t>(to - from); }

// Input this long after the program's own still counts as its own.
constexpr std::int32_t kOwnInputSlackMs = 50;

}  // namespace

std::int64_t UserIdle::idleMs(std::uint32_t lastInputTick, std::uint32_t now)
{
    if (!own_ || ticksBetween(ownAt_, lastInputTick) > kOwnInputSlackMs) userAt_ = lastInputTick;
    return std::max<std::int32_t>(0, ticksBetween(userAt_, now));
}

}  // namespace mw
