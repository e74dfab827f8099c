#include "typing/key_notation.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

#include "platform/failure.h"
#include "shell/utf8.h"
#include "typing/key_table.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

constexpr std::string_view kModifierCodes[] = {"{SHIFT}", "{CTRL}", "{ALT}"};
constexpr char kModifierOfCode[] = {'+', '^', '%'};

// The text the parser reads, made from the key text as written: with the
// modifier codes each read as its one modifier character when asked. It maps
// a byte of what is read back to what was written, so that a fault is named
// where the user sees it.
class Source {
public:
    Source(const std::string& written, bool readModifierCodes) : written_(written)
    {
        if (!readModifierCodes) return;
        // One scan left to right: no code overlaps another, and none is made
        // by reading one, so this is the same as replacing each in turn. The
        // text is copied only from its first code on.
        for (std::size_t i = 0; i < written.size();) {
            const std::size_t code = written[i] == '{' ? modifierCodeAt(i) : kNoCode;
            if (code == kNoCode) {
                if (!codes_.empty()) read_ += written[i];
                ++i;
                continue;
            }
            if (codes_.empty()) read_.assign(written, 0, i);
            codes_.push_back({read_.size(), kModifierCodes[code].size()});
            read_ += kModifierOfCode[code];
            i += kModifierCodes[code].size();
        }
    }

    const std::string& text() const { return codes_.empty() ? written_ : read_; }

    // Where byte i of what is read starts in what was written.
    std::size_t writtenOffset(std::size_t i) const
    {
        std::size_t offset = i;
        for (const Code& code : codes_) {
            if (code.at >= i) break;
            offset += code.length - 1;
        }
        return offset;
    }
    // The 1-based position, in written characters, of byte i of what is read.
    std::size_t position(std::size_t i) const
    {
        return utf8CharacterCount(std::string_view(written_).substr(0, writtenOffset(i))) + 1;
    }
    // The bytes [begin, end) of what is read, as they were written.
    std::string written(std::size_t begin, std::size_t end) const
    {
        const std::size_t from = writtenOffset(begin);
        return written_.substr(from, writtenOffset(end) - from);
    }

private:
    static constexpr std::size_t kNoCode = std::size(kModifierCodes);
    // Which modifier code is written at byte i, or kNoCode.
    std::size_t modifierCodeAt(std::size_t i) const
    {
        for (std::size_t k = 0; k < std::size(kModifierCodes); ++k)
            if (std::string_view(written_).substr(i, kModifierCodes[k].size()) == kModifierCodes[k]) return k;
        return kNoCode;
    }

    struct Code {
        std::size_t at;      // its byte in what is read
        std::size_t length;  // its bytes as written
    };
    const std::string& written_;
    std::string read_;
    std::vector<Code> codes_;
};

std::optional<std::uint16_t> namedKey(const std::string& name)
{
    if (const SpecialKey* key = findKeyCode(name)) return key->virtualKey;
    return std::nullopt;
}

bool isDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Parser {
public:
    // Without events the parser only checks: a long text costs no memory.
    // With units it notes the text's keys one by one.
    Parser(const Source& source, bool events, bool units = false)
        : source_(source), keys_(source.text()), recording_(events), recordingUnits_(units)
    {
    }

    // The events, or the first fault (thrown as a KeyTextError).
    std::vector<KeyEvent> run()
    {
        std::size_t i = 0;
        while (i < keys_.size()) {
            // A key of its own begins where no group is open and no modifier
            // waits: it ends once both hold again after it.
            if (groups_.empty() && pending_.empty()) unitStart_ = i;
            wasDelay_ = false;
            step(i);
            if (recordingUnits_ && groups_.empty() && pending_.empty() && !wasDelay_)
                units_.push_back(source_.written(unitStart_, i));
        }
        noPendingModifier();
        if (!groups_.empty()) fault(groups_.front().at, "Unmatched \"(\"");
        return std::move(events_);
    }

    // The keys of the text one by one, as written: a character, a brace code
    // with its repeat, a prefix with the key or group it applies to.
    std::vector<std::string> takeUnits() { return std::move(units_); }

private:
    // Reads what starts at byte i; advances i past it.
    void step(std::size_t& i)
    {
        const char c = keys_[i];
        switch (c) {
        case '+': modifier(vk::kShift, i); ++i; break;
        case '^': modifier(vk::kControl, i); ++i; break;
        case '%': modifier(vk::kMenu, i); ++i; break;
        case '~': press(special(vk::kReturn), 1); ++i; break;
        case '\r':
            // CR LF, CR or LF: one line break, one Enter.
            i += (i + 1 < keys_.size() && keys_[i + 1] == '\n') ? 2 : 1;
            press(special(vk::kReturn), 1);
            break;
        case '\n': press(special(vk::kReturn), 1); ++i; break;
        case '(': openGroup(i); ++i; break;
        case ')': closeGroup(i); ++i; break;
        case '{': i = brace(i); break;
        case '}': fault(i, "Unmatched \"}\""); break;
        default: {
            const char32_t cp = decode(i);
            press(character(cp), 1);
            break;
        }
        }
    }

    struct Group {
        std::size_t at;                      // the byte of its "("
        std::vector<std::uint16_t> pressed;  // the modifiers it holds
    };

    // The fault at byte i: what, " at position n", and what follows.
    [[noreturn]] void fault(std::size_t i, const std::string& what, const std::string& after = {}) const
    {
        const std::size_t position = source_.position(i);
        throw KeyTextError{position, what + " at position " + std::to_string(position) + after};
    }
    // The written form of the brace code [i, close]: "{FOO}", "{DELAY}".
    std::string code(std::size_t i, std::size_t close) const { return source_.written(i, close + 1); }

    // One character at byte i; advances i. Malformed UTF-8 is refused: typing
    // U+FFFD in its place would type what nobody wrote.
    char32_t decode(std::size_t& i) const
    {
        const Utf8Character c = decodeUtf8(keys_, i);
        if (!c.wellFormed) fault(i, "Invalid UTF-8 text");
        i += c.length;
        return c.codePoint;
    }

    void emit(const KeyEvent& event)
    {
        if (recording_) events_.push_back(event);
    }
    static KeyEvent special(std::uint16_t key) { return KeyEvent{KeyEvent::Kind::VirtualKey, key, 0, true}; }
    static KeyEvent character(char32_t cp) { return KeyEvent{KeyEvent::Kind::Character, 0, cp, true}; }

    bool held(std::uint16_t modifier) const
    {
        return std::find(held_.begin(), held_.end(), modifier) != held_.end();
    }
    void modifier(std::uint16_t key, std::size_t i)
    {
        if (pending_.empty()) pendingAt_ = i;
        pending_.push_back(key);
    }
    // Modifiers waiting for a key where none can follow (before ")", a delay
    // or the end): the first of them is at fault.
    void noPendingModifier() const
    {
        if (pending_.empty()) return;
        const std::string written = source_.written(pendingAt_, pendingAt_ + 1);
        fault(pendingAt_, "Modifier " + (written.size() == 1 ? "\"" + written + "\"" : written),
              " has no key to apply to");
    }
    // Presses the pending modifiers that are not already held; returns them.
    std::vector<std::uint16_t> pressPending()
    {
        std::vector<std::uint16_t> pressed;
        for (std::uint16_t m : pending_) {
            if (held(m)) continue;
            emit(special(m));
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
            emit(up);
            held_.erase(std::find(held_.begin(), held_.end(), *it));
        }
    }
    void press(KeyEvent key, int times)
    {
        const auto pressed = pressPending();
        for (int n = 0; n < times; ++n) {
            key.down = true;
            emit(key);
            key.down = false;
            emit(key);
        }
        release(pressed);
    }
    void openGroup(std::size_t i) { groups_.push_back({i, pressPending()}); }
    void closeGroup(std::size_t i)
    {
        if (groups_.empty()) fault(i, "Unmatched \")\"");
        noPendingModifier();
        release(groups_.back().pressed);
        groups_.pop_back();
    }

    // A brace code starting at i; returns the position after it.
    std::size_t brace(std::size_t i)
    {
        // The code's first character may itself be "}" ("{}}").
        const std::size_t close = keys_.find('}', i + 2);
        if (i + 1 >= keys_.size() || close == std::string::npos) fault(i, "Unmatched \"{\"");
        for (std::size_t k = i + 1; k < close;) decode(k);  // refuses malformed text first
        const std::string code = keys_.substr(i + 1, close - i - 1);
        if (isDelay(code)) {
            delay(code, i, close);
            return close + 1;
        }
        std::string name = code;
        int times = 1;
        const std::size_t space = code.find(' ', 1);
        if (space != std::string::npos) {
            name = code.substr(0, space);
            const std::string count = code.substr(space + 1);
            if (!isDigits(count))
                fault(i, "Bad repeat count in " + this->code(i, close), ": write a whole number, as in {ENTER 3}");
            times = std::stoi(count);
            if (times > kMaxRepeatCount)
                fault(i, "Repeat count above " + std::to_string(kMaxRepeatCount) + " in " + this->code(i, close));
        }
        const Utf8Character first = decodeUtf8(name, 0);  // well-formed: checked above
        if (first.length == name.size()) {
            press(character(first.codePoint), times);  // a single character, special ones included
        } else if (const auto key = namedKey(name)) {
            press(special(*key), times);
        } else {
            fault(i, "Unknown key code {" + source_.written(i + 1, i + 1 + name.size()) + "}");
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
    // "{DELAY n}" from byte i to its "}": a pause of n milliseconds.
    void delay(const std::string& code, std::size_t i, std::size_t close)
    {
        const std::size_t space = code.find(' ');
        const std::string count = space == std::string::npos ? std::string() : code.substr(space + 1);
        const long ms = isDigits(count) ? std::stol(count) : 0;
        if (ms < 1 || ms > static_cast<long>(kMaxDelayMs))
            fault(i, "Bad delay " + this->code(i, close),
                  ": write the milliseconds, 1 to " + std::to_string(kMaxDelayMs) + ", as in {DELAY 500}");
        noPendingModifier();
        wasDelay_ = true;
        KeyEvent pause;
        pause.kind = KeyEvent::Kind::Delay;
        pause.delayMs = static_cast<std::uint32_t>(ms);
        emit(pause);
    }

    const Source& source_;
    const std::string& keys_;
    const bool recording_;
    const bool recordingUnits_;
    std::vector<KeyEvent> events_;
    std::vector<std::uint16_t> pending_;
    std::size_t pendingAt_ = 0;  // the byte of the first pending modifier
    std::vector<std::uint16_t> held_;
    std::vector<Group> groups_;
    std::size_t unitStart_ = 0;
    bool wasDelay_ = false;
    std::vector<std::string> units_;
};

std::vector<KeyEvent> parseOrFail(const Source& source)
{
    try {
        return Parser(source, true).run();
    } catch (const KeyTextError& error) {
        fail(error.message);
    }
}

}  // namespace

std::string translateModifierCodes(const std::string& keys) { return Source(keys, true).text(); }

std::optional<KeyTextError> checkKeyText(const std::string& text)
{
    try {
        Parser(Source(text, true), false).run();
    } catch (const KeyTextError& error) {
        return error;
    }
    return std::nullopt;
}

std::vector<KeyEvent> parseKeyText(const std::string& text) { return parseOrFail(Source(text, true)); }

std::optional<std::vector<std::string>> keyUnits(const std::string& text)
{
    const Source source(text, true);
    Parser parser(source, false, true);
    try {
        parser.run();
    } catch (const KeyTextError&) {
        return std::nullopt;
    }
    return parser.takeUnits();
}

std::vector<KeyEvent> parseKeyString(const std::string& keys) { return parseOrFail(Source(keys, false)); }

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
