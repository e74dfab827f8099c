#pragma once
// Parsed key events as posted key messages: a character goes as itself (a
// character message carries the exact character, whatever the layout, Shift
// or Caps Lock); special keys, modifiers and characters under Ctrl or Alt go
// as their key going down and up, with the layout's scan code, so that a
// program acting on key messages sees the combination. Ctrl combinations
// cannot go this way: posted messages leave the target's keyboard state as it
// is, so the target's own translation would take the key without Ctrl and
// type its letter (^s would put an "s" into the document).
#include <vector>

#include "platform/key_injection.h"
#include "platform/key_posting.h"

namespace mw {

// While Ctrl is held by the events, only the modifiers themselves go.
std::vector<KeyMessage> postedKeys(const std::vector<KeyEvent>& batch, const KeyboardLayout& layout);

// Whether the events hold Ctrl down for any key: such a text is not typed in
// the background.
bool holdsControl(const std::vector<KeyEvent>& events);

}  // namespace mw
