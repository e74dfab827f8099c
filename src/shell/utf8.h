#pragma once
// Walking UTF-8 text character by character.
#include <cstddef>

namespace mw {

// Bytes of the character a UTF-8 lead byte starts; 0 for a byte that cannot
// start one.
constexpr std::size_t utf8Length(unsigned char lead)
{
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
}

}  // namespace mw
