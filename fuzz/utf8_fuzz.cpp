// The UTF-8 decoder never lets malformed text through: every character it
// calls well-formed is a Unicode scalar value in its one shortest encoding;
// every malformed part is at least one byte and becomes U+FFFD; the UTF-16 made
// from any bytes holds no unpaired surrogate; and well-formed text survives the
// round trip through UTF-16 unchanged.
#include <cstdint>
#include <string>

#include "shell/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    bool wellFormed = true;
    for (std::size_t i = 0; i < bytes.size();) {
        const mw::Utf8Character c = mw::decodeUtf8(bytes, i);
        if (c.length == 0 || i + c.length > bytes.size()) __builtin_trap();
        if (c.wellFormed) {
            std::string shortest;
            mw::appendUtf8(shortest, c.codePoint);
            if (!mw::isScalarValue(c.codePoint) || bytes.compare(i, c.length, shortest) != 0) __builtin_trap();
        } else if (c.codePoint != mw::kReplacementCharacter) {
            __builtin_trap();
        }
        wellFormed = wellFormed && c.wellFormed;
        i += c.length;
    }
    if (wellFormed != mw::isWellFormedUtf8(bytes)) __builtin_trap();
    const std::u16string units = mw::utf8ToUtf16(bytes);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xDC00 && u <= 0xDFFF) __builtin_trap();  // a low surrogate without its high one
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) __builtin_trap();
            ++i;
        }
    }
    if (wellFormed && mw::utf16ToUtf8(units) != bytes) __builtin_trap();
    return 0;
}
