#include "shell/utf8.h"

namespace mw {

Utf8Character decodeUtf8(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1, true};
    // The lead byte fixes the length and the range of the second byte; the
    // narrowed ranges after E0, ED, F0 and F4 exclude overlong forms,
    // surrogates and values above U+10FFFF (Unicode, table 3-7).
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};  // a continuation byte, C0, C1 or F5 to FF: never a lead
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (at + k >= text.size() || byte(k) < low || byte(k) > high) return {kReplacementCharacter, k, false};
        value = (value << 6) | (byte(k) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {value, length, true};
}

std::size_t utf8CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += decodeUtf8(text, i).length) ++count;
    return count;
}

bool isWellFormedUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        if (!c.wellFormed) return false;
        i += c.length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (!isScalarValue(c)) c = kReplacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c)
{
    if (!isScalarValue(c)) c = kReplacementCharacter;
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

std::u16string utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        appendUtf16(out, c.codePoint);
        i += c.length;
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(out, c);  // an unpaired surrogate is no scalar value: U+FFFD
    }
    return out;
}

std::string_view cutToUtf16Units(std::string_view text, std::size_t units)
{
    std::size_t used = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        const std::size_t need = c.codePoint >= 0x10000 ? 2 : 1;  // a surrogate pair in UTF-16
        if (used + need > units) return text.substr(0, i);
        used += need;
        i += c.length;
    }
    return text;
}

}  // namespace mw
