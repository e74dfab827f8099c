#pragma once
// The one UTF-8 decoder of the program. Text is UTF-8 everywhere in the core
// and UTF-16 only at the Win32 boundary; both directions go through here.
//
// Only well-formed UTF-8 decodes to a character: an overlong form, an encoded
// surrogate (U+D800 to U+DFFF), a value above U+10FFFF, a stray continuation
// byte or a sequence cut short is malformed. Each maximal malformed part (the
// longest start of a sequence that could still have become well-formed, at
// least one byte) counts as one character and, where text is converted, becomes
// U+FFFD, as the Unicode standard recommends; it never becomes UTF-16 of its
// own. The key notation refuses such text instead.
#include <cstddef>
#include <string>
#include <string_view>

namespace mw {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Character {
    char32_t codePoint = kReplacementCharacter;  // U+FFFD when malformed
    std::size_t length = 1;                      // bytes taken, at least 1
    bool wellFormed = false;
};

// The character starting at byte `at` (at < text.size()).
Utf8Character decodeUtf8(std::string_view text, std::size_t at);

// Characters in the text, a malformed part counting as one.
std::size_t utf8CharacterCount(std::string_view text);

// Whether every byte of the text belongs to a well-formed character.
bool isWellFormedUtf8(std::string_view text);

// A Unicode scalar value: a code point up to U+10FFFF that is no surrogate.
constexpr bool isScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

// Appends the character (U+FFFD for a code point that is no scalar value).
void appendUtf8(std::string& out, char32_t c);
void appendUtf16(std::u16string& out, char32_t c);

// The longest start of the text that takes at most so many UTF-16 units,
// never splitting a character.
std::string_view cutToUtf16Units(std::string_view text, std::size_t units);

// Conversions; malformed UTF-8 and unpaired surrogates become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace mw
