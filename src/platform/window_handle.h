#pragma once
#include <cstdint>

namespace mw {

// A top-level window of the window system. Windows user handles carry 32
// significant bits on 32- and 64-bit systems alike, so the value round-trips
// through the signed decimal text kept in the window list's "Handle" column.
using WindowHandle = std::int32_t;
inline constexpr WindowHandle kNoWindow = 0;

}  // namespace mw
