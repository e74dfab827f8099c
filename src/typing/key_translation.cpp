#include "typing/key_translation.h"

#include <algorithm>
#include <string>

#include "shell/utf8.h"
#include "typing/virtual_keys.h"

namespace mw {

namespace {

// The stroke that types exactly the character on the layout, or nothing.
std::optional<KeyboardLayout::Stroke> strokeTyping(const KeyboardLayout& layout, char32_t character)
{
    const std::optional<KeyboardLayout::Stroke> stroke = layout.strokeFor(character);
    // Shift, Ctrl and Alt are the only states a batch can press.
    if (!stroke || (stroke->shiftState & ~0x07)) return std::nullopt;
    const KeyboardLayout::Typed typed = layout.typedBy(*stroke);
    std::u16string expected;
    appendUtf16(expected, character);
    if (typed.deadKey || typed.text != expected) return std::nullopt;
    return stroke;
}

}  // namespace

bool composingLanguage(std::uint16_t language)
{
    constexpr std::uint16_t kChinese = 0x04, kJapanese = 0x11, kKorean = 0x12;
    return language == kChinese || language == kJapanese || language == kKorean;
}

KeyTranslator::KeyTranslator(const KeyboardLayout& layout, bool capsLockOn)
    : layout_(layout), composing_(composingLanguage(layout.language())), lock_(capsLockOn)
{
}

KeyInput KeyTranslator::key(std::uint16_t virtualKey, bool up)
{
    std::optional<std::uint16_t>& cached = scanCodes_[virtualKey & 0xFF];
    if (!cached) cached = layout_.scanCode(virtualKey);
    const std::uint16_t scan = *cached;
    const unsigned prefix = scan >> 8;
    // The extended flag comes from the layout's prefix; the navigation block,
    // the keypad's divide and Enter's neighbours are extended on every PC
    // keyboard whatever the layout, and Wine's table leaves their prefix off.
    const bool extended = prefix == 0xE0 || prefix == 0xE1 || vk::isExtended(virtualKey);
    return KeyInput{false, virtualKey, static_cast<std::uint16_t>(scan & 0xFF), extended, up};
}

std::optional<KeyboardLayout::Stroke> KeyTranslator::stroke(char32_t character, bool withCtrlOrAlt)
{
    if (composing_ && !withCtrlOrAlt) return std::nullopt;
    const auto found = strokes_.find(character);
    if (found != strokes_.end()) return found->second;
    return strokes_[character] = strokeTyping(layout_, character);
}

void KeyTranslator::push(const KeyInput& input)
{
    batch_.push_back(input);
    lockWanted_.push_back(lock_);
}

void KeyTranslator::toggleCapsLock()
{
    push(key(vk::kCapital, false));
    push(key(vk::kCapital, true));
}

std::vector<KeyInput> KeyTranslator::translate(const std::vector<KeyEvent>& events)
{
    batch_.clear();
    lockWanted_.clear();
    lockAtBatchStart_ = lock_;
    bool lock = lock_;  // the lock as the keys go in
    bool held[3] = {};  // Shift, Ctrl, Alt held by the key text
    const auto heldIndex = [](std::uint16_t modifier) {
        return modifier == vk::kShift ? 0 : modifier == vk::kControl ? 1 : 2;
    };
    std::vector<std::uint16_t> added;  // modifiers pressed for the character that is down
    for (const KeyEvent& e : events) {
        if (e.kind == KeyEvent::Kind::VirtualKey) {
            if (e.virtualKey == vk::kCapital && e.down) {
                lock = !lock;
                lock_ = !lock_;
            }
            push(key(e.virtualKey, !e.down));
            if (vk::isModifier(e.virtualKey)) held[heldIndex(e.virtualKey)] = e.down;
            continue;
        }
        const std::optional<KeyboardLayout::Stroke> s = stroke(e.character, held[1] || held[2]);
        if (!s) {
            std::u16string units;
            appendUtf16(units, e.character);
            for (char16_t unit : units) push(KeyInput{true, 0, static_cast<std::uint16_t>(unit), false, !e.down});
            continue;
        }
        if (e.down) {
            if (lock) {
                toggleCapsLock();
                lock = false;
            }
            // The shift states the character needs beyond those the key text
            // holds already: pressed around the key, released after it.
            added.clear();
            for (std::uint16_t m : {vk::kShift, vk::kControl, vk::kMenu})
                if ((s->shiftState & (1 << heldIndex(m))) && !held[heldIndex(m)]) added.push_back(m);
            for (std::uint16_t m : added) push(key(m, false));
            push(key(s->virtualKey, false));
        } else {
            push(key(s->virtualKey, true));
            for (auto it = added.rbegin(); it != added.rend(); ++it) push(key(*it, true));
            added.clear();
        }
    }
    if (lock != lock_) toggleCapsLock();
    return batch_;
}

std::vector<KeyInput> KeyTranslator::cleanUp(std::size_t accepted)
{
    accepted = std::min(accepted, batch_.size());
    // What the accepted inputs left: keys down, in the order pressed, and the lock.
    std::vector<KeyInput> down;
    bool lock = lockAtBatchStart_;
    for (std::size_t i = 0; i < accepted; ++i) {
        const KeyInput& input = batch_[i];
        const auto same = [&](const KeyInput& d) {
            return d.unicode == input.unicode && d.virtualKey == input.virtualKey &&
                   (!input.unicode || d.scanCode == input.scanCode);
        };
        std::erase_if(down, same);
        if (!input.up) down.push_back(input);
        if (!input.unicode && input.virtualKey == vk::kCapital && !input.up) lock = !lock;
    }
    std::vector<KeyInput> out;
    for (auto it = down.rbegin(); it != down.rend(); ++it) {
        KeyInput up = *it;
        up.up = true;
        out.push_back(up);
    }
    lock_ = accepted ? lockWanted_[accepted - 1] : lockAtBatchStart_;
    if (lock != lock_) {
        out.push_back(key(vk::kCapital, false));
        out.push_back(key(vk::kCapital, true));
    }
    return out;
}

}  // namespace mw
