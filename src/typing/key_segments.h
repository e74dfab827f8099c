#pragma once
// A batch cut where the turn waits between its keys: after a key goes down
// it is held (the hold time), after a stroke ends (its key up and the
// modifier releases that follow) the next waits (the delay between keys).
// Without either, the batch is one piece. Works on the inputs of the
// keyboard and on posted key messages alike.
#include <cstddef>
#include <vector>

#include "platform/key_injection.h"
#include "platform/key_posting.h"
#include "typing/virtual_keys.h"

namespace mw {

struct KeySegment {
    std::size_t end = 0;  // one past the segment's last item
    int waitAfterMs = 0;  // the hold or the delay that follows it
};

namespace key_segment {

// Shift, Ctrl, Alt and the Caps Lock switches the translation adds go with
// the stroke they belong to.
inline bool isModifier(std::uint16_t key) { return vk::isModifier(key) || key == vk::kCapital; }

inline bool isStrokeKey(const KeyInput& in) { return in.unicode || !isModifier(in.virtualKey); }
inline bool isUp(const KeyInput& in) { return in.up; }
inline bool isModifierUp(const KeyInput& in) { return !in.unicode && in.up && isModifier(in.virtualKey); }

// A character message is a whole stroke: down and up in one.
inline bool isStrokeKey(const KeyMessage& m)
{
    return m.kind == KeyMessage::Kind::Character || !isModifier(m.code);
}
inline bool isUp(const KeyMessage& m) { return m.kind != KeyMessage::Kind::KeyDown; }
inline bool isModifierUp(const KeyMessage& m) { return m.kind == KeyMessage::Kind::KeyUp && isModifier(m.code); }

}  // namespace key_segment

template <class Item>
std::vector<KeySegment> keySegments(const std::vector<Item>& items, int delayMs, int holdMs)
{
    using namespace key_segment;
    std::vector<KeySegment> segments;
    if (delayMs <= 0 && holdMs <= 0) {
        segments.push_back({items.size(), 0});
        return segments;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        if (!isStrokeKey(item)) continue;
        if (!isUp(item)) {
            if (holdMs > 0) segments.push_back({i + 1, holdMs});
            continue;
        }
        std::size_t end = i + 1;
        while (end < items.size() && isModifierUp(items[end])) ++end;
        i = end - 1;
        segments.push_back({end, delayMs});
    }
    if (segments.empty() || segments.back().end < items.size()) segments.push_back({items.size(), 0});
    return segments;
}

// The messages that let go of every key the first `sent` messages left down.
std::vector<KeyMessage> releaseFor(const std::vector<KeyMessage>& messages, std::size_t sent);

}  // namespace mw
