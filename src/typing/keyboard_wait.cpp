#include "typing/keyboard_wait.h"

namespace mw {

KeyboardWait waitForFreeKeyboard(KeyInjector& keys, Clock& clock, GlobalHotkey* hotkey,
                                 const std::function<void()>& onWaiting)
{
    if (!keys.held().any()) return KeyboardWait::Free;
    if (onWaiting) onWaiting();
    const std::int64_t start = clock.monotonicMs();
    for (;;) {
        if (hotkey && hotkey->takePress()) return KeyboardWait::HotkeyPressed;
        if (clock.monotonicMs() - start >= kKeyboardWaitMs) return KeyboardWait::StillHeld;
        keys.pause(kKeyboardLookEveryMs);
        if (!keys.held().any()) return KeyboardWait::Free;
    }
}

}  // namespace mw
