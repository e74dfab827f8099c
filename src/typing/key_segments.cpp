#include "typing/key_segments.h"

#include <algorithm>

namespace mw {

std::vector<KeyMessage> releaseFor(const std::vector<KeyMessage>& messages, std::size_t sent)
{
    std::vector<KeyMessage> down;
    for (std::size_t i = 0; i < std::min(sent, messages.size()); ++i) {
        const KeyMessage& m = messages[i];
        if (m.kind == KeyMessage::Kind::Character) continue;
        std::erase_if(down, [&](const KeyMessage& d) { return d.code == m.code; });
        if (m.kind == KeyMessage::Kind::KeyDown) down.push_back(m);
    }
    std::vector<KeyMessage> up;
    for (auto it = down.rbegin(); it != down.rend(); ++it) {
        KeyMessage release = *it;
        release.kind = KeyMessage::Kind::KeyUp;
        up.push_back(release);
    }
    return up;
}

}  // namespace mw
