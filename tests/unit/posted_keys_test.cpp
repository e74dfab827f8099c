#include "typing/posted_keys.h"

#include <gtest/gtest.h>

#include "sim/services.h"
#include "typing/key_notation.h"

namespace mw {
namespace {

// Messages as text: "d" or "u" and the key's number for a key, "c" and the
// character's number for a character, "!" before one sent with Alt.
std::string render(const std::vector<KeyMessage>& messages)
{
    std::string out;
    for (const KeyMessage& m : messages) {
        if (!out.empty()) out += ' ';
        if (m.withAlt) out += '!';
        out += m.kind == KeyMessage::Kind::KeyDown ? "d" : m.kind == KeyMessage::Kind::KeyUp ? "u" : "c";
        out += std::to_string(m.code);
    }
    return out;
}

TEST(PostedKeys, CharactersGoAsThemselvesAndKeysOrAltCombinationsAsKeysGoingDownAndUp)
{
    const sim::SimKeyboardLayout layout;
    struct Case {
        const char* keys;
        const char* messages;
    };
    const Case cases[] = {
        {"aB", "c97 c66"},
        {"{ENTER}", "d13 u13"},
        // Posted keys leave the target's Ctrl up: with Ctrl nothing but Ctrl
        // goes, where the target would type the letter.
        {"^c", "d17 u17"},
        {"^{F5}a", "d17 u17 c97"},
        {"%f", "!d18 !d70 !u70 u18"},
        {"^%f", "d17 d18 u18 u17"},
        {"\xE2\x82\xAC\xF0\x9F\x98\x80", "c8364 c55357 c56832"},  // no key on the layout; a surrogate pair
        {"+a{DELAY 5}", "d16 c65 u16"},
    };
    for (const Case& c : cases) EXPECT_EQ(render(postedKeys(parseKeyString(c.keys), layout)), c.messages) << c.keys;
}

}  // namespace
}  // namespace mw
