#include "platform/win32/global_hotkey.h"

namespace mw::win32 {
namespace {

constexpr int kHotkeyId = 1;

}  // namespace

Win32GlobalHotkey::Win32GlobalHotkey()
{
    create(L"MarrowindHotkey", 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, "Hotkey");
}

Win32GlobalHotkey::~Win32GlobalHotkey() { release(); }

bool Win32GlobalHotkey::registerCombination()
{
    const UINT modifiers = (combination_.control ? MOD_CONTROL : 0) | (combination_.alt ? MOD_ALT : 0) |
                           (combination_.shift ? MOD_SHIFT : 0) | MOD_NOREPEAT;
    registered_ = RegisterHotKey(hwnd(), kHotkeyId, modifiers, combination_.virtualKey) != FALSE;
    return registered_;
}

bool Win32GlobalHotkey::claim(const HotkeyCombination& combination)
{
    release();
    combination_ = combination;
    claimed_ = registerCombination();
    // Suspended, it is only tried: whether another program holds it is told
    // now, and it is registered at the last resume().
    if (claimed_ && suspensions_ > 0) {
        UnregisterHotKey(hwnd(), kHotkeyId);
        registered_ = false;
    }
    return claimed_;
}

void Win32GlobalHotkey::release()
{
    if (registered_) UnregisterHotKey(hwnd(), kHotkeyId);
    registered_ = claimed_ = false;
}

void Win32GlobalHotkey::suspend()
{
    ++suspensions_;
    if (registered_) UnregisterHotKey(hwnd(), kHotkeyId);
    registered_ = false;
}

void Win32GlobalHotkey::resume()
{
    if (suspensions_ > 0) --suspensions_;
    if (suspensions_ == 0 && claimed_ && !registered_) registerCombination();
}

LRESULT Win32GlobalHotkey::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY && wParam == kHotkeyId) {
        if (onPressed) onPressed();
        return 0;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace mw::win32
