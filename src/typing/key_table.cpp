#include "typing/key_table.h"

#include <algorithm>
#include <cctype>

namespace mw {
namespace {

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

const SpecialKey* findKeyCode(std::string_view code)
{
    for (const SpecialKey& key : kSpecialKeys) {
        if (key.modifierCode) continue;
        for (std::string_view name : key.codes)
            if (!name.empty() && sameLetters(name, code)) return &key;
    }
    return nullptr;
}

const SpecialKey* findSpecialKey(std::uint16_t virtualKey)
{
    for (const SpecialKey& key : kSpecialKeys)
        if (key.virtualKey == virtualKey) return &key;
    return nullptr;
}

std::string helpCommand(const SpecialKey& key)
{
    const auto count = static_cast<std::size_t>(std::count_if(
        key.codes.begin(), key.codes.end(), [](std::string_view name) { return !name.empty(); }));
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += count > 2 ? (i + 1 == count ? ", or " : ", ") : " or ";
        text += '{';
        text += key.codes[i];
        text += '}';
    }
    return text;
}

}  // namespace mw
