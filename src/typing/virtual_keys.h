#pragma once
// Windows virtual-key codes: fixed numbers, named here so the portable core
// needs no Windows header.
#include <cstdint>

namespace mw::vk {

inline constexpr std::uint16_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11,
                               kMenu = 0x12, kCancel = 0x03, kCapital = 0x14, kEscape = 0x1B, kPrior = 0x21,
                               kNext = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27,
                               kDown = 0x28, kSnapshot = 0x2C, kInsert = 0x2D, kDelete = 0x2E, kHelp = 0x2F,
                               kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDivide = 0x6F, kF1 = 0x70,
                               kNumLock = 0x90, kScroll = 0x91;

// Keys whose scan code carries the extended flag on a standard keyboard.
constexpr bool isExtended(std::uint16_t key)
{
    switch (key) {
    case kLeft: case kUp: case kRight: case kDown:
    case kHome: case kEnd: case kInsert: case kDelete: case kPrior: case kNext:
    case kDivide: case kNumLock: case kCancel: case kSnapshot:
        return true;
    default:
        return false;
    }
}

constexpr bool isModifier(std::uint16_t key) { return key == kShift || key == kControl || key == kMenu; }

}  // namespace mw::vk
