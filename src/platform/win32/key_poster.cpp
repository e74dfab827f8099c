#include "platform/win32/key_poster.h"

#include "platform/win32/hwnd.h"

#include <string>
#include "platform/win32/windows_include.h"

namespace mw::win32 {

PostedMessage postedMessage(const KeyMessage& key)
{
    // Bits 0-15 repeat count, 16-23 scan code, 24 extended, 29 Alt held,
    // 30 the key was down before, 31 it is going up.
    unsigned long long bits = 1u | (static_cast<unsigned long long>(key.scanCode) << 16);
    if (key.extended) bits |= 1ull << 24;
    if (key.withAlt) bits |= 1ull << 29;
    UINT message = 0;
    switch (key.kind) {
    case KeyMessage::Kind::KeyDown: message = key.withAlt ? WM_SYSKEYDOWN : WM_KEYDOWN; break;
    case KeyMessage::Kind::KeyUp:
        message = key.withAlt ? WM_SYSKEYUP : WM_KEYUP;
        bits |= (1ull << 30) | (1ull << 31);
        break;
    case KeyMessage::Kind::Character: message = key.withAlt ? WM_SYSCHAR : WM_CHAR; break;
    }
    return {message, key.code, static_cast<long long>(static_cast<LONG>(static_cast<DWORD>(bits)))};
}

namespace {

// A window in the background has no keyboard focus (it went when the window
// was deactivated): the keys go to the control that takes text, an edit or
// a rich edit control, as the focus would be there once the window is back.
HWND textControlOf(HWND window)
{
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM result) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            const std::wstring cls(name);
            if (!IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
            if (cls.find(L"Edit") == std::wstring::npos && cls.find(L"EDIT") == std::wstring::npos &&
                cls.find(L"Rich") == std::wstring::npos)
                return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

HWND Win32KeyPoster::receiverOf(HWND window)
{
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread) return nullptr;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) return info.hwndFocus;
    if (const HWND control = textControlOf(window)) return control;
    return window;
}

bool Win32KeyPoster::post(const std::vector<KeyMessage>& messages, WindowHandle target)
{
    const HWND focus = receiverOf(toHwnd(target));
    if (!focus) return false;
    for (const KeyMessage& key : messages) {
        const PostedMessage m = postedMessage(key);
        // Refused with ERROR_ACCESS_DENIED when the target runs with higher
        // privileges.
        if (!PostMessageW(focus, m.message, static_cast<WPARAM>(m.wParam), static_cast<LPARAM>(m.lParam))) return false;
    }
    return true;
}

}  // namespace mw::win32
