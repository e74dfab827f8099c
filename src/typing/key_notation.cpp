#include "typing/key_notation.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/failure.h"
#include "shell/utf8.h"
#include "typing/key_table.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

// The 1-based position, in characters, of the character at byte i.
std::size_t characterPosition(const std::string& text, std::size_t i)
{
    return utf8CharacterCount(std::string_view(text).substr(0, i)) + 1;
}

std::optional<std::uint16_t> namedKey(const std::string& name)
{
    if (const SpecialKey* key = findKeyCode(name)) return key->virtualKey;
    return std::nullopt;
}

// One character of the text at byte i; advances i. Malformed UTF-8 is refused
// with its position: typing U+FFFD in its place would type what nobody wrote.
char32_t decode(const std::string& text, std::size_t& i)
{
    const Utf8Character c = decodeUtf8(text, i);
    if (!c.wellFormed)
        fail("The key string is not valid UTF-8 text at position " + std::to_string(characterPosition(text, i)));
    i += c.length;
    return c.codePoint;
}

class Parser {
public:
    explicit Parser(const std::string& keys) : keys_(keys) {}

    std::vector<KeyEvent> run()
    {
        std::size_t i = 0;
        while (i < keys_.size()) {
            const char c = keys_[i];
            switch (c) {
            case '+': pending_.push_back(vk::kShift); ++i; break;
            case '^': pending_.push_back(vk::kControl); ++i; break;
            case '%': pending_.push_back(vk::kMenu); ++i; break;
            case '~': press(special(vk::kReturn), 1); ++i; break;
            case '\r':
                // CR LF, CR or LF: one line break, one Enter.
                i += (i + 1 < keys_.size() && keys_[i + 1] == '\n') ? 2 : 1;
                press(special(vk::kReturn), 1);
                break;
            case '\n': press(special(vk::kReturn), 1); ++i; break;
            case '(': openGroup(); ++i; break;
            case ')': closeGroup(i); ++i; break;
            case '{': i = brace(i); break;
            case '}': fail("Unmatched \"}\" at position " + position(i) + " of the key string");
            default: {
                const char32_t cp = decode(keys_, i);
                press(character(cp), 1);
                break;
            }
            }
        }
        if (!pending_.empty())
            fail("The key string ends with a modifier (\"+\", \"^\" or \"%\") that has no key to apply to");
        if (!groups_.empty()) fail("Unmatched \"(\" in the key string");
        return std::move(events_);
    }

private:
    // Positions in messages count characters from 1, as the user sees them.
    std::string position(std::size_t i) const { return std::to_string(characterPosition(keys_, i)); }

    static KeyEvent special(std::uint16_t key) { return KeyEvent{KeyEvent::Kind::VirtualKey, key, 0, true}; }
    static KeyEvent character(char32_t cp) { return KeyEvent{KeyEvent::Kind::Character, 0, cp, true}; }

    bool held(std::uint16_t modifier) const
    {
        return std::find(held_.begin(), held_.end(), modifier) != held_.end();
    }
    // Presses the pending modifiers that are not already held; returns them.
    std::vector<std::uint16_t> pressPending()
    {
        std::vector<std::uint16_t> pressed;
        for (std::uint16_t m : pending_) {
            if (held(m)) continue;
            events_.push_back(special(m));
            held_.push_back(m);
            pressed.push_back(m);
        }
        pending_.clear();
        return pressed;
    }
    void release(const std::vector<std::uint16_t>& modifiers)
    {
        for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
            KeyEvent up = special(*it);
            up.down = false;
            events_.push_back(up);
            held_.erase(std::find(held_.begin(), held_.end(), *it));
        }
    }
    void press(KeyEvent key, int times)
    {
        const auto pressed = pressPending();
        for (int n = 0; n < times; ++n) {
            key.down = true;
            events_.push_back(key);
            key.down = false;
            events_.push_back(key);
        }
        release(pressed);
    }
    void openGroup() { groups_.push_back(pressPending()); }
    void closeGroup(std::size_t i)
    {
        if (groups_.empty()) fail("Unmatched \")\" at position " + position(i) + " of the key string");
        if (!pending_.empty())
            fail("A modifier before \")\" at position " + position(i) + " has no key to apply to");
        release(groups_.back());
        groups_.pop_back();
    }

    // A brace code starting at i; returns the position after it.
    std::size_t brace(std::size_t i)
    {
        // The code's first character may itself be "}" ("{}}").
        const std::size_t close = keys_.find('}', i + 2);
        if (i + 1 >= keys_.size() || close == std::string::npos)
            fail("Unmatched \"{\" at position " + position(i) + " of the key string");
        for (std::size_t k = i + 1; k < close;) decode(keys_, k);  // refuses malformed text first
        const std::string code = keys_.substr(i + 1, close - i - 1);
        if (isDelay(code)) {
            delay(code, i);
            return close + 1;
        }
        std::string name = code;
        int times = 1;
        const std::size_t space = code.find(' ', 1);
        if (space != std::string::npos) {
            name = code.substr(0, space);
            const std::string count = code.substr(space + 1);
            if (count.empty() || count.size() > 9 ||
                !std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; }))
                fail("Bad repeat count in {" + code + "}: write a whole number, as in {ENTER 3}");
            times = std::stoi(count);
            if (times > kMaxRepeatCount)
                fail("The repeat count in {" + code + "} is above the limit of " + std::to_string(kMaxRepeatCount));
        }
        std::size_t k = 0;
        const char32_t first = decode(name, k);
        if (k == name.size()) {
            press(character(first), times);  // a single character, special ones included
        } else if (const auto key = namedKey(name)) {
            press(special(*key), times);
        } else {
            fail("Unknown key code {" + name + "}");
        }
        return close + 1;
    }

    static bool isDelay(const std::string& code)
    {
        const std::string name = code.substr(0, code.find(' '));
        return name.size() == 5 && std::equal(name.begin(), name.end(), "DELAY", [](char a, char b) {
                   return std::toupper(static_cast<unsigned char>(a)) == b;
               });
    }
    // "{DELAY n}" at byte i: a pause of n milliseconds.
    void delay(const std::string& code, std::size_t i)
    {
        const std::size_t space = code.find(' ');
        const std::string count = space == std::string::npos ? std::string() : code.substr(space + 1);
        const bool digits = !count.empty() && count.size() <= 9 &&
                            std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
        const long ms = digits ? std::stol(count) : 0;
        if (ms < 1 || ms > static_cast<long>(kMaxDelayMs))
            fail("Bad delay {" + code + "} at position " + position(i) + " of the key string: write the milliseconds, " +
                 "1 to " + std::to_string(kMaxDelayMs) + ", as in {DELAY 500}");
        if (!pending_.empty())
            fail("A modifier before {" + code + "} at position " + position(i) + " has no key to apply to");
        KeyEvent pause;
        pause.kind = KeyEvent::Kind::Delay;
        pause.delayMs = static_cast<std::uint32_t>(ms);
        events_.push_back(pause);
    }

    const std::string& keys_;
    std::vector<KeyEvent> events_;
    std::vector<std::uint16_t> pending_;
    std::vector<std::uint16_t> held_;
    std::vector<std::vector<std::uint16_t>> groups_;
};

}  // namespace

std::vector<KeyEvent> parseKeyString(const std::string& keys) { return Parser(keys).run(); }

std::vector<std::vector<KeyEvent>> splitIntoBatches(const std::vector<KeyEvent>& events, std::size_t maxEvents)
{
    std::vector<std::vector<KeyEvent>> batches(1);
    std::vector<KeyEvent> held;  // modifiers down at this point, in press order
    // Closes the last batch with every modifier released and opens the next
    // with them pressed again.
    const auto closeBatch = [&] {
        for (auto it = held.rbegin(); it != held.rend(); ++it) {
            KeyEvent up = *it;
            up.down = false;
            batches.back().push_back(up);
        }
    };
    for (const KeyEvent& e : events) {
        if (e.kind == KeyEvent::Kind::Delay) {
            closeBatch();
            if (batches.back().empty()) batches.pop_back();
            batches.push_back({e});
            batches.emplace_back(held.begin(), held.end());
            continue;
        }
        const bool atKeyBoundary = !(e.kind == KeyEvent::Kind::VirtualKey && vk::isModifier(e.virtualKey)) && e.down;
        if (batches.back().size() >= maxEvents && atKeyBoundary) {
            closeBatch();
            batches.emplace_back(held.begin(), held.end());
        }
        batches.back().push_back(e);
        if (e.kind == KeyEvent::Kind::VirtualKey && vk::isModifier(e.virtualKey)) {
            if (e.down)
                held.push_back(e);
            else
                std::erase_if(held, [&](const KeyEvent& h) { return h.virtualKey == e.virtualKey; });
        }
    }
    if (batches.back().empty()) batches.pop_back();
    return batches;
}

}  // namespace mw
