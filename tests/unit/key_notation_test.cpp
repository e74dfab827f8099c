#include "typing/key_notation.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "platform/failure.h"
#include "shell/utf8.h"
#include "typing/key_table.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

std::string keyName(std::uint16_t key)
{
    static const std::map<std::uint16_t, std::string> names{
        {vk::kShift, "Shift"}, {vk::kControl, "Ctrl"}, {vk::kMenu, "Alt"},    {vk::kReturn, "Enter"},
        {vk::kTab, "Tab"},     {vk::kLeft, "Left"},    {vk::kF1 + 4, "F5"},    {vk::kBack, "Back"}};
    const auto it = names.find(key);
    return it != names.end() ? it->second : "vk" + std::to_string(key);
}

std::string utf8(char32_t c)
{
    std::string out;
    appendUtf8(out, c);
    return out;
}

// Events as text: a key down is its name, a key up is "/" and its name.
std::string render(const std::vector<KeyEvent>& events)
{
    std::string out;
    for (const KeyEvent& e : events) {
        if (!out.empty()) out += ' ';
        if (!e.down) out += '/';
        if (e.kind == KeyEvent::Kind::Delay)
            out += "pause" + std::to_string(e.delayMs);
        else
            out += e.kind == KeyEvent::Kind::Character ? utf8(e.character) : keyName(e.virtualKey);
    }
    return out;
}

TEST(KeyNotation, ParsesCharactersModifiersGroupsAndLineBreaks)
{
    struct Case {
        std::string keys;
        std::string events;
    };
    const Case cases[] = {
        {"", ""},
        {"abc", "a /a b /b c /c"},
        {"+a", "Shift a /a /Shift"},
        {"^c", "Ctrl c /c /Ctrl"},
        {"%f", "Alt f /f /Alt"},
        {"+^a", "Shift Ctrl a /a /Ctrl /Shift"},
        {"+(ab)c", "Shift a /a b /b /Shift c /c"},
        {"+(+a)", "Shift a /a /Shift"},
        {"(ab)", "a /a b /b"},
        {"+{ENTER}", "Shift Enter /Enter /Shift"},
        {"~", "Enter /Enter"},
        {"a\r\nb\rc\nd", "a /a Enter /Enter b /b Enter /Enter c /c Enter /Enter d /d"},
        {"{enter}{Tab}", "Enter /Enter Tab /Tab"},
        {"{a 3}", "a /a a /a a /a"},
        {"{ENTER 2}", "Enter /Enter Enter /Enter"},
        {"{LEFT 0}", ""},
        {"^{a 2}", "Ctrl a /a a /a /Ctrl"},
        {"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}", "+ /+ ^ /^ % /% ~ /~ ( /( ) /) { /{ } /} [ /[ ] /]"},
        {"[x]", "[ /[ x /x ] /]"},
        {"{ }", "  / "},
        {"\xC3\x84\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80", "\xC3\x84 /\xC3\x84 \xE2\x82\xAC /\xE2\x82\xAC \xE4\xB8\xAD /\xE4\xB8\xAD \xF0\x9F\x98\x80 /\xF0\x9F\x98\x80"},
        {"{\xC3\x84 2}", "\xC3\x84 /\xC3\x84 \xC3\x84 /\xC3\x84"},
        {"x{DELAY 800}y", "x /x pause800 y /y"},
        {"{delay 1}{Delay 600000}", "pause1 pause600000"},
    };
    for (const Case& c : cases) EXPECT_EQ(render(parseKeyString(c.keys)), c.events) << c.keys;
}

TEST(KeyNotation, EveryBraceCodeOfTheKeyTablePressesItsKeyInAnyCase)
{
    // The numbers themselves are checked against the Windows headers on the
    // Windows side.
    for (const SpecialKey& key : kSpecialKeys) {
        if (key.modifierCode) continue;
        for (std::string_view name : key.codes) {
            if (name.empty()) continue;
            std::string lower(name);
            for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (const std::string& code : {std::string(name), lower}) {
                const auto events = parseKeyString("{" + code + "}");
                ASSERT_EQ(events.size(), 2u) << code;
                EXPECT_EQ(events[0].kind, KeyEvent::Kind::VirtualKey) << code;
                EXPECT_EQ(events[0].virtualKey, key.virtualKey) << code;
                EXPECT_TRUE(events[0].down && !events[1].down) << code;
            }
        }
    }
}

TEST(KeyNotation, AMalformedTextNamesItsFirstFaultAtItsPositionAsWritten)
{
    struct Case {
        std::string keys;
        std::size_t position;
        std::string message;  // " at position n" follows the first part, the second after it
        std::string after = {};
    };
    const std::string bad = "Bad repeat count in ", delay = ": write the milliseconds, 1 to 600000, as in {DELAY 500}";
    const std::string noKey = " has no key to apply to", whole = ": write a whole number, as in {ENTER 3}";
    const Case cases[] = {
        {"Hello {FOO} world", 7, "Unknown key code {FOO}"},
        {"{F99}", 1, "Unknown key code {F99}"},
        {"{F0 2}", 1, "Unknown key code {F0}"},
        {"a{shift}a", 2, "Unknown key code {shift}"},
        {"abc{ENTER", 4, "Unmatched \"{\""},
        {"{", 1, "Unmatched \"{\""},
        {"{}", 1, "Unmatched \"{\""},
        {"a}", 2, "Unmatched \"}\""},
        {"+(abc", 2, "Unmatched \"(\""},
        {"((a)", 1, "Unmatched \"(\""},
        {"abc)", 4, "Unmatched \")\""},
        {"abc+", 4, "Modifier \"+\"", noKey},
        {"a+^", 2, "Modifier \"+\"", noKey},
        {"(%)", 2, "Modifier \"%\"", noKey},
        {"+{DELAY 5}a", 1, "Modifier \"+\"", noKey},
        {"(a+", 3, "Modifier \"+\"", noKey},
        {"{DELAY}", 1, "Bad delay {DELAY}", delay},
        {"ab{delay 0}", 3, "Bad delay {delay 0}", delay},
        {"{DELAY 600001}", 1, "Bad delay {DELAY 600001}", delay},
        {"{DELAY -5}", 1, "Bad delay {DELAY -5}", delay},
        {"{a 1001}", 1, "Repeat count above 1000 in {a 1001}"},
        {"{a x}", 1, bad + "{a x}", whole},
        {"{a }", 1, bad + "{a }", whole},
        {"{a 99999999999}", 1, bad + "{a 99999999999}", whole},
        // Characters, not bytes nor UTF-16 units, count.
        {"\xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80{FOO}", 4, "Unknown key code {FOO}"},
        {"ok\xFF", 3, "Invalid UTF-8 text"},
        {"\xC3\xA4\xC0\x80", 2, "Invalid UTF-8 text"},  // overlong NUL
        {"a\xED\xA0\x80", 2, "Invalid UTF-8 text"},      // encoded surrogate
        {"\xF4\x90\x80\x80", 1, "Invalid UTF-8 text"},  // above U+10FFFF
        {"ab\xE2\x82", 3, "Invalid UTF-8 text"},          // cut short
        {"{\xC3\xA4\x80}", 3, "Invalid UTF-8 text"},
        // The modifier codes count as written, and are named so.
        {"{SHIFT}{CTRL}x{FOO}", 15, "Unknown key code {FOO}"},
        {"ab{CTRL}", 3, "Modifier {CTRL}", noKey},
        {"{ALT}({SHIFT})", 7, "Modifier {SHIFT}", noKey},
        {"{a{SHIFT}}", 1, "Unknown key code {a{SHIFT}}"},
    };
    for (const Case& c : cases) {
        const std::string message = c.message + " at position " + std::to_string(c.position) + c.after;
        const auto error = checkKeyText(c.keys);
        ASSERT_TRUE(error) << c.keys;
        EXPECT_EQ(error->position, c.position) << c.keys;
        EXPECT_EQ(error->message, message) << c.keys;
        // The throwing parses say the same; the one of translated text counts
        // in what it was given, which differs only after a modifier code.
        try {
            parseKeyText(c.keys);
            ADD_FAILURE() << c.keys;
        } catch (const Failure& e) {
            EXPECT_EQ(e.what(), message) << c.keys;
        }
        if (translateModifierCodes(c.keys) != c.keys) continue;
        try {
            parseKeyString(c.keys);
            ADD_FAILURE() << c.keys;
        } catch (const Failure& e) {
            EXPECT_EQ(e.what(), message) << c.keys;
        }
    }
    EXPECT_FALSE(checkKeyText("{SHIFT}a{CTRL}(bc){ALT}{F4}{DELAY 5}"));
}

// Every key that goes down comes up again, and nothing is down at the end.
void expectBalanced(const std::vector<KeyEvent>& events)
{
    std::map<std::pair<int, std::uint32_t>, int> down;
    for (const KeyEvent& e : events) {
        const auto key = std::make_pair(static_cast<int>(e.kind),
                                        e.kind == KeyEvent::Kind::Character ? e.character : e.virtualKey);
        down[key] += e.down ? 1 : -1;
        EXPECT_GE(down[key], 0);
    }
    for (const auto& [key, n] : down) EXPECT_EQ(n, 0);
}

TEST(KeyNotation, LongStringsSplitIntoBalancedBatchesInOrder)
{
    const std::string text(3000, 'x');
    const std::string keys = "ab+(" + text + ")^c";
    const auto events = parseKeyString(keys);
    const auto batches = splitIntoBatches(events, 1000);
    ASSERT_GT(batches.size(), 5u);
    std::string characters;
    for (const auto& batch : batches) {
        EXPECT_LE(batch.size(), 1000u + 4);
        expectBalanced(batch);
        for (const KeyEvent& e : batch)
            if (e.kind == KeyEvent::Kind::Character && e.down) characters += static_cast<char>(e.character);
    }
    EXPECT_EQ(characters, "ab" + text + "c");
    // Inside the group every batch holds Shift from its first event.
    const auto& middle = batches[2];
    EXPECT_EQ(middle.front().virtualKey, vk::kShift);
    EXPECT_TRUE(middle.front().down);
    EXPECT_EQ(middle.back().virtualKey, vk::kShift);
    EXPECT_FALSE(middle.back().down);
}

TEST(KeyNotation, ADelayIsABatchOfItsOwnWithNoKeyDown)
{
    const auto batches = splitIntoBatches(parseKeyString("+(a{DELAY 50}b)"), 1000);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(render(batches[0]), "Shift a /a /Shift");
    EXPECT_EQ(render(batches[1]), "pause50");
    EXPECT_EQ(render(batches[2]), "Shift b /b /Shift");
}

TEST(KeyNotation, ShortStringsStayOneBatchAndEmptyOnesNone)
{
    EXPECT_EQ(splitIntoBatches(parseKeyString("+a^c%f"), 1000).size(), 1u);
    EXPECT_TRUE(splitIntoBatches({}, 1000).empty());
    for (const char* keys : {"+^%(abc{ENTER 3})", "%{F4}", "+(^(a)b)"}) expectBalanced(parseKeyString(keys));
}

TEST(KeyNotation, TheKeysOfATextOneByOneAsWritten)
{
    using Keys = std::vector<std::string>;
    struct Case {
        const char* text;
        std::optional<Keys> keys;
    };
    const Case cases[] = {
        {"+a{TAB}\xE4\xB8\xAD", Keys{"+a", "{TAB}", "\xE4\xB8\xAD"}},
        {"{ENTER 3}x~", Keys{"{ENTER 3}", "x", "~"}},
        {"^+(ab)c", Keys{"^+(ab)", "c"}},
        {"{SHIFT}a{CTRL}{F5}", Keys{"{SHIFT}a", "{CTRL}{F5}"}},
        {"a\r\nb\nc", Keys{"a", "\r\n", "b", "\n", "c"}},
        {"a{DELAY 500}{+}", Keys{"a", "{+}"}},
        {"", Keys{}},
        {"ab{", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(keyUnits(c.text), c.keys) << c.text;
}

}  // namespace
}  // namespace mw
