#pragma once
// The key notation of the key text: plain characters; "+", "^" and "%" hold
// Shift, Ctrl and Alt for the next key or parenthesised group; "~" and line
// breaks are Enter; brace codes name special keys ("{ENTER}", "{F5}"), escape
// the special characters ("{+}", "{{}"), repeat a key ("{a 10}") and pause
// the turn for so many milliseconds ("{DELAY 500}").
//
// "{SHIFT}", "{CTRL}" and "{ALT}" hold a modifier as "+", "^" and "%" do.
//
// A whole string is parsed before anything is sent: a string that does not
// parse yields its first fault, with the position of the character at fault,
// and no events. Every key pressed is released, and so is every modifier,
// within the events of one string.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/key_injection.h"

namespace mw {

// The most times one brace code may repeat its key ("{a 1000}").
inline constexpr int kMaxRepeatCount = 1000;
// "{DELAY n}" pauses for n milliseconds, 1 to this many (ten minutes).
inline constexpr std::uint32_t kMaxDelayMs = 600000;

// Why a key text does not parse and where: the 1-based position counts
// characters (code points) of the text as the user wrote it, and the message
// names it too ("Unknown key code {FOO} at position 7").
struct KeyTextError {
    std::size_t position = 0;
    std::string message;
};

// "{SHIFT}", "{CTRL}" and "{ALT}" (exactly so written) become "+", "^", "%".
std::string translateModifierCodes(const std::string& keys);

// The key text as the user writes it, modifier codes included: its first
// fault, or nothing when it parses.
std::optional<KeyTextError> checkKeyText(const std::string& text);
// The key text as the user writes it, modifier codes included; a text that
// does not parse raises a Failure with checkKeyText's message.
std::vector<KeyEvent> parseKeyText(const std::string& text);
// The keys of the text one by one, each as written: a character (a line
// break one Enter), a brace code with its repeat, a prefix with the key or
// group it applies to; a "{DELAY n}" is none. Nothing for a text that does
// not parse.
std::optional<std::vector<std::string>> keyUnits(const std::string& text);
// Key notation whose modifier codes were translated already (or that has none,
// as a hotkey); a Failure with the same messages, positions counted in keys.
std::vector<KeyEvent> parseKeyString(const std::string& keys);

// Splits events into batches of at most about maxEvents each. A batch that
// ends while modifiers are held releases them, and the next batch presses them
// again, so every batch leaves no key down. A delay is a batch of its own,
// holding only the delay: no key stays down while the turn pauses.
std::vector<std::vector<KeyEvent>> splitIntoBatches(const std::vector<KeyEvent>& events, std::size_t maxEvents);

}  // namespace mw
