#pragma once
// A turn types only while the user's hands are off the keys that change what
// typing does. Keys typed while the user holds Ctrl, Alt or Win become
// shortcuts (Win+L locks the computer, Ctrl+W closes a tab), with Shift they
// change case, and the turn's own releases of those keys would let go of the
// ones the user still holds; a held mouse button is a drag or a menu that keys
// would end. So before each batch the turn waits for them to be let go, up to
// a bound, and gives up rather than type over them.
#include <functional>

#include "platform/clock.h"
#include "platform/global_hotkey.h"
#include "platform/key_injection.h"

namespace mw {

// How long a turn waits for held keys and buttons to be let go, and how often
// it looks meanwhile.
inline constexpr int kKeyboardWaitMs = 5000;
inline constexpr int kKeyboardLookEveryMs = 20;

enum class KeyboardWait { Free, StillHeld, HotkeyPressed };

// Returns Free at once when nothing is held; otherwise calls onWaiting once and
// waits until nothing is held (Free), the bound passes (StillHeld), or the
// hotkey, when given, is pressed meanwhile (HotkeyPressed: the user wants the
// program to stop, not to type).
KeyboardWait waitForFreeKeyboard(KeyInjector& keys, Clock& clock, GlobalHotkey* hotkey,
                                 const std::function<void()>& onWaiting);

}  // namespace mw
