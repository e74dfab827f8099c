#include "typing/posted_keys.h"

#include <algorithm>

#include "shell/utf8.h"
#include "typing/virtual_keys.h"

namespace mw {

std::vector<KeyMessage> postedKeys(const std::vector<KeyEvent>& batch, const KeyboardLayout& layout)
{
    std::vector<KeyMessage> out;
    bool shift = false, control = false, alt = false;
    const auto key = [&](std::uint16_t virtualKey, bool down) {
        const std::uint16_t scan = layout.scanCode(virtualKey);
        const unsigned prefix = scan >> 8;
        KeyMessage m;
        m.kind = down ? KeyMessage::Kind::KeyDown : KeyMessage::Kind::KeyUp;
        m.code = virtualKey;
        m.scanCode = static_cast<std::uint8_t>(scan & 0xFF);
        m.extended = prefix == 0xE0 || prefix == 0xE1 || vk::isExtended(virtualKey);
        m.withAlt = alt && !control;
        out.push_back(m);
    };
    for (const KeyEvent& e : batch) {
        switch (e.kind) {
        case KeyEvent::Kind::Delay: break;
        case KeyEvent::Kind::VirtualKey:
            if (e.virtualKey == vk::kShift) shift = e.down;
            if (e.virtualKey == vk::kControl) control = e.down;
            if (e.virtualKey == vk::kMenu) alt = e.down;
            if (control && !vk::isModifier(e.virtualKey)) break;
            key(e.virtualKey, e.down);
            break;
        case KeyEvent::Kind::Character: {
            if (control) break;
            const std::optional<KeyboardLayout::Stroke> stroke = layout.strokeFor(e.character);
            if (alt && stroke) {
                key(stroke->virtualKey, e.down);
                break;
            }
            if (!e.down) break;  // the character goes once, as it goes down
            // Shift held by the key text ("+a") types a letter's capital, as
            // the keyboard would.
            const char32_t typed = shift && e.character >= 'a' && e.character <= 'z' ? e.character - 'a' + 'A' : e.character;
            std::u16string units;
            appendUtf16(units, typed);
            const std::uint8_t scan = stroke ? static_cast<std::uint8_t>(layout.scanCode(stroke->virtualKey)) : 0;
            for (char16_t unit : units) {
                KeyMessage m;
                m.kind = KeyMessage::Kind::Character;
                m.code = unit;
                m.scanCode = scan;
                m.withAlt = alt && !control;
                out.push_back(m);
            }
            break;
        }
        }
    }
    return out;
}

bool holdsControl(const std::vector<KeyEvent>& events)
{
    return std::any_of(events.begin(), events.end(), [](const KeyEvent& e) {
        return e.kind == KeyEvent::Kind::VirtualKey && e.virtualKey == vk::kControl && e.down;
    });
}

}  // namespace mw
