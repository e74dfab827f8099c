// Any key string either parses into events in which every key that goes down
// comes up again and no modifier stays down (in every batch, too), or fails
// with a Failure before any event exists.
#include <cstdint>
#include <map>
#include <string>

#include "platform/failure.h"
#include "typing/key_notation.h"
#include "typing/typing_engine.h"

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
    std::vector<mw::KeyEvent> events;
    try {
        events = mw::parseKeyString(mw::translateModifierCodes(keys));
    } catch (const mw::Failure&) {
        return 0;
    }
    requireBalanced(events);
    for (const auto& batch : mw::splitIntoBatches(events, 64)) requireBalanced(batch);
    return 0;
}
