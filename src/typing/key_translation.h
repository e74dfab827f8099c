#pragma once
// Parsed key events into the inputs the system takes, on the keyboard layout of
// the target: a character goes as the key (and Shift, Ctrl, Alt) that types it
// there, or as itself where that layout has no key for it; each key carries the
// layout's scan code.
//
// Which key types a character is asked of the layout's table, and then what
// that key really types in that shift state: a dead key (the "^" of Shift+6 on
// US-International, the AltGr accents of Czech) would wait for the next key and
// compose with it, or with the user's next keystroke after the turn, and a key
// that types another character would type that one. Such characters go as
// themselves. So do all characters on a Japanese, Chinese or Korean layout,
// whose input method may compose them: keys would become composition there.
// Whether the input method is switched on cannot be told reliably (one that
// works through the Text Services Framework alone may not answer, and an
// answer of "closed" looks the same as none), and characters typed as
// themselves arrive either way. Keys pressed with Ctrl or Alt of the key text
// stay keys, as shortcuts need.
//
// Caps Lock. A character arrives as written whatever the state of Caps Lock:
// when the lock is on, a batch switches it off before the first character key
// and back on at its end, inside the same uninterruptible input, so no key of
// the user's can fall in between, and between batches the lock is the user's. A "{CAPSLOCK}" in the key text is pressed
// where it stands and decides the state the turn leaves; the characters after it
// still arrive as written.
//
// Why switch the lock rather than send the letters it would invert as Unicode:
// a Unicode input carries no key, so games and remote-desktop or virtual-machine
// clients, which read keys and scan codes, see nothing; the console windows of
// Wine drop it altogether; and it cannot combine with Ctrl or Alt, nor answer for
// Shift+letter, which Caps Lock inverts too. Switching the lock works with real
// keys wherever keys work; it also covers layouts on which Caps Lock changes
// more than letters, and the setting under which Shift releases Caps Lock. Its
// cost: the target sees Caps Lock pressed, which matters only to a program that
// gives that key a meaning of its own.
#include <array>
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/key_injection.h"

namespace mw {

// The input languages whose input methods compose what is typed: Japanese,
// Chinese and Korean (by their primary language identifiers).
bool composingLanguage(std::uint16_t language);

class KeyTranslator {
public:
    // capsLockOn: the lock as the user has it when the turn starts.
    KeyTranslator(const KeyboardLayout& layout, bool capsLockOn);

    // The inputs of one batch (from splitIntoBatches, so no key stays down at its
    // end). The batch leaves Caps Lock as the user had it, switched once for
    // every "{CAPSLOCK}" typed so far.
    std::vector<KeyInput> translate(const std::vector<KeyEvent>& batch);

    // After only the first `accepted` inputs of the last batch went in: the
    // inputs that release every key still down and set Caps Lock to what those
    // inputs should have left.
    std::vector<KeyInput> cleanUp(std::size_t accepted);

    // Caps Lock as the batches so far leave it.
    bool capsLockOn() const { return lock_; }
    // Caps Lock as the system has it before the next batch: the user may have
    // switched it while the target took the last one.
    void setCapsLock(bool on) { lock_ = on; }

private:
    KeyInput key(std::uint16_t virtualKey, bool up);
    std::optional<KeyboardLayout::Stroke> stroke(char32_t character, bool withCtrlOrAlt);
    void push(const KeyInput& input);
    void toggleCapsLock();

    const KeyboardLayout& layout_;
    const bool composing_;  // the layout's input method may compose characters
    bool lock_;  // the user's lock, as the key text has set it so far
    // The last batch, and after each of its inputs the state its text asked for.
    std::vector<KeyInput> batch_;
    std::vector<bool> lockWanted_;
    bool lockAtBatchStart_ = false;
    // Layout answers, asked once per turn.
    std::unordered_map<char32_t, std::optional<KeyboardLayout::Stroke>> strokes_;
    std::array<std::optional<std::uint16_t>, 256> scanCodes_{};
};

}  // namespace mw
