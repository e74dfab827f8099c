// Any key string either parses into events in which every key that goes down
// comes up again and no modifier stays down (in every batch, too), or fails
// with a Failure before any event exists; the check of the text as written
// finds a fault exactly then, at a character of the text, and its message
// names that position. Only well-formed UTF-8 parses, and
// every character it gives is a Unicode scalar value; translated, with Caps
// Lock on or off, every batch leaves no key down and the lock as the text says.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/failure.h"
#include "sim/services.h"
#include "shell/utf8.h"
#include "typing/key_notation.h"
#include "typing/key_translation.h"
#include "typing/typing_engine.h"
#include "typing/virtual_keys.h"

namespace {

void requireBalanced(const std::vector<mw::KeyEvent>& events)
{
    std::map<std::pair<int, std::uint32_t>, int> down;
    for (const mw::KeyEvent& e : events) {
        const auto key = std::make_pair(static_cast<int>(e.kind), e.kind == mw::KeyEvent::Kind::Character
                                                                      ? static_cast<std::uint32_t>(e.character)
                                                                      : e.virtualKey);
        int& n = down[key];
        n += e.down ? 1 : -1;
        if (n < 0 || n > 1) __builtin_trap();  // up before down, or pressed twice
    }
    for (const auto& [key, n] : down)
        if (n != 0) __builtin_trap();  // left down
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string keys(reinterpret_cast<const char*>(data), size);
    const std::optional<mw::KeyTextError> error = mw::checkKeyText(keys);
    std::vector<mw::KeyEvent> events;
    try {
        events = mw::parseKeyString(mw::translateModifierCodes(keys));
    } catch (const mw::Failure&) {
        if (!error || error->position < 1 || error->position > mw::utf8CharacterCount(keys)) __builtin_trap();
        if (error->message.find(" at position " + std::to_string(error->position)) == std::string::npos)
            __builtin_trap();
        return 0;
    }
    if (error) __builtin_trap();
    if (!mw::isWellFormedUtf8(keys)) __builtin_trap();
    for (const mw::KeyEvent& e : events)
        if (e.kind == mw::KeyEvent::Kind::Character && !mw::isScalarValue(e.character)) __builtin_trap();
    requireBalanced(events);
    const auto batches = mw::splitIntoBatches(events, 64);
    for (const auto& batch : batches) requireBalanced(batch);
    for (bool caps : {false, true}) {
        mw::sim::SimKeyInjector keyboard;
        keyboard.capsLock = caps;
        const auto layout = keyboard.layoutOf(1);
        mw::KeyTranslator translator(*layout, caps);
        bool wanted = caps;
        for (const auto& batch : batches) {
            for (const mw::KeyEvent& e : batch) wanted ^= e.virtualKey == mw::vk::kCapital && e.down;
            keyboard.send(translator.translate(batch), 1);
            if (keyboard.capsLock != wanted) __builtin_trap();
            for (std::uint16_t key = 1; key < 256; ++key)
                if (keyboard.keyDown(key)) __builtin_trap();
        }
    }
    return 0;
}
