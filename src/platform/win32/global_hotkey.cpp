#include "platform/win32/global_hotkey.h"

namespace mw::win32 {

Win32GlobalHotkey::Win32GlobalHotkey()
{
    create(L"MarrowindHotkey", 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, "Hotkey");
}

Win32GlobalHotkey::~Win32GlobalHotkey()
{
    for (auto& [id, claim] : claims_)
        if (claim.registered) UnregisterHotKey(hwnd(), id);
}

bool Win32GlobalHotkey::registerClaim(Id id, Claim& claim)
{
    const HotkeyCombination& c = claim.combination;
    const UINT modifiers =
        (c.control ? MOD_CONTROL : 0) | (c.alt ? MOD_ALT : 0) | (c.shift ? MOD_SHIFT : 0) | MOD_NOREPEAT;
    claim.registered = RegisterHotKey(hwnd(), id, modifiers, c.virtualKey) != FALSE;
    return claim.registered;
}

bool Win32GlobalHotkey::claim(Id id, const HotkeyCombination& combination, std::function<void()> pressed)
{
    release(id);
    Claim claim{combination, std::move(pressed)};
    if (!registerClaim(id, claim)) return false;
    // Suspended, it is only tried: whether another program holds it is told
    // now, and it is registered at the last resume().
    if (suspensions_ > 0 && UnregisterHotKey(hwnd(), id)) claim.registered = false;
    claims_[id] = std::move(claim);
    return true;
}

void Win32GlobalHotkey::release(Id id)
{
    const auto it = claims_.find(id);
    if (it == claims_.end()) return;
    if (it->second.registered) UnregisterHotKey(hwnd(), id);
    claims_.erase(it);
}

std::vector<HotkeyCombination> Win32GlobalHotkey::held() const
{
    std::vector<HotkeyCombination> held;
    for (const auto& [id, claim] : claims_) held.push_back(claim.combination);
    return held;
}

void Win32GlobalHotkey::suspend()
{
    ++suspensions_;
    for (auto& [id, claim] : claims_)
        if (claim.registered && UnregisterHotKey(hwnd(), id)) claim.registered = false;
}

void Win32GlobalHotkey::resume()
{
    if (suspensions_ > 0) --suspensions_;
    if (suspensions_ > 0) return;
    for (auto& [id, claim] : claims_)
        if (!claim.registered) registerClaim(id, claim);
}

LRESULT Win32GlobalHotkey::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_HOTKEY) return defaultProc(message, wParam, lParam);
    const auto it = claims_.find(static_cast<Id>(wParam));
    // Copied: the handler may release or claim again.
    if (it != claims_.end() && it->second.pressed) {
        const std::function<void()> pressed = it->second.pressed;
        pressed();
    }
    return 0;
}

}  // namespace mw::win32
