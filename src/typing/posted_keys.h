#pragma once
// Parsed key events as posted key messages: a character goes as itself (a
// character message carries the exact character, whatever the layout, Shift
// or Caps Lock); special keys, modifiers and characters under Ctrl or Alt go
// as their key going down and up, with the layout's scan code, so that a
// program acting on key messages sees the combination.
#include <vector>

#include "platform/key_injection.h"
#include "platform/key_posting.h"

namespace mw {

std::vector<KeyMessage> postedKeys(const std::vector<KeyEvent>& batch, const KeyboardLayout& layout);

}  // namespace mw
