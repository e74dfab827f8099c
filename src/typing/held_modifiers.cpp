#include "typing/held_modifiers.h"

#include <algorithm>

#include "typing/virtual_keys.h"

namespace mw {

std::vector<KeyInput> modifiersToPressAgain(const std::vector<KeyInput>& inputs, std::size_t sent,
                                            const HeldInput& system)
{
    std::vector<KeyInput> down;
    for (std::size_t i = 0; i < std::min(sent, inputs.size()); ++i) {
        const KeyInput& input = inputs[i];
        if (input.unicode || !vk::isModifier(input.virtualKey)) continue;
        std::erase_if(down, [&](const KeyInput& d) { return d.virtualKey == input.virtualKey; });
        if (!input.up) down.push_back(input);
    }
    std::erase_if(down, [&](const KeyInput& d) {
        switch (d.virtualKey) {
        case vk::kShift: return system.shift;
        case vk::kControl: return system.control;
        default: return system.alt;
        }
    });
    return down;
}

}  // namespace mw
