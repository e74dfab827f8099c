#include "shell/utf8.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(Utf8, EachMaximalMalformedPartBecomesOneReplacementCharacter)
{
    struct Case {
        std::string bytes;
        std::u16string units;
        std::size_t characters;
    };
    const Case cases[] = {
        {"a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", u"a\u00E4\u20AC\U0001F600", 4},
        {"\xC0\xAF", u"\uFFFD\uFFFD", 2},                  // overlong "/": C0 never leads
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", 3},        // overlong in three bytes
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", 3},        // the surrogate U+D800
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", 4},  // U+110000
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF", 1},            // the last code point
        {"\xE2\x82x", u"\uFFFDx", 2},                      // cut short: one part
        {"\xF0\x9F\x98", u"\uFFFD", 1},
        {"\x80\xBFz\xFF", u"\uFFFD\uFFFDz\uFFFD", 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToUtf16(c.bytes), c.units) << c.bytes;
        EXPECT_EQ(utf8CharacterCount(c.bytes), c.characters) << c.bytes;
        EXPECT_EQ(isWellFormedUtf8(c.bytes), c.units.find(u'\uFFFD') == std::u16string::npos) << c.bytes;
    }
}

TEST(Utf8, Utf16RoundTripsAndAnUnpairedSurrogateBecomesAReplacementCharacter)
{
    const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text)), text);
    EXPECT_EQ(utf16ToUtf8(u"\xD800x\xDC00"), "\xEF\xBF\xBDx\xEF\xBF\xBD");
    std::u16string out;
    appendUtf16(out, 0xD800);
    appendUtf16(out, 0x110000);
    EXPECT_EQ(out, u"\uFFFD\uFFFD");
}

TEST(Utf8, ACutToUtf16UnitsNeverSplitsACharacter)
{
    std::string emoji;
    for (int i = 0; i < 70; ++i) emoji += "\xF0\x9F\x98\x80";  // two UTF-16 units each
    EXPECT_EQ(cutToUtf16Units(emoji, 127).size(), 63u * 4) << "63 pairs fill 126 units; the 64th does not fit";
    EXPECT_EQ(cutToUtf16Units(std::string(200, 'x'), 127), std::string(127, 'x'));
    EXPECT_EQ(cutToUtf16Units("short", 63), "short");
}

}  // namespace
}  // namespace mw
