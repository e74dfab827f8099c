#pragma once
// The key notation of the key text: plain characters; "+", "^" and "%" hold
// Shift, Ctrl and Alt for the next key or parenthesised group; "~" and line
// breaks are Enter; brace codes name special keys ("{ENTER}", "{F5}"), escape
// the special characters ("{+}", "{{}"), repeat a key ("{a 10}") and pause
// the turn for so many milliseconds ("{DELAY 500}").
//
// A whole string is parsed before anything is sent: a string that does not
// parse yields a Failure and no events. Every key pressed is released, and so
// is every modifier, within the events of one string.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/key_injection.h"

namespace mw {

// The most times one brace code may repeat its key ("{a 1000}").
inline constexpr int kMaxRepeatCount = 1000;
// "{DELAY n}" pauses for n milliseconds, 1 to this many (ten minutes).
inline constexpr std::uint32_t kMaxDelayMs = 600000;

std::vector<KeyEvent> parseKeyString(const std::string& keys);

// Splits events into batches of at most about maxEvents each. A batch that
// ends while modifiers are held releases them, and the next batch presses them
// again, so every batch leaves no key down. A delay is a batch of its own,
// holding only the delay: no key stays down while the turn pauses.
std::vector<std::vector<KeyEvent>> splitIntoBatches(const std::vector<KeyEvent>& events, std::size_t maxEvents);

}  // namespace mw
