#include "platform/win32/key_poster.h"

#include "platform/win32/hwnd.h"
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

bool Win32KeyPoster::post(const std::vector<KeyMessage>& messages, WindowHandle target)
{
    const HWND window = toHwnd(target);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread) return false;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const HWND focus = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : window;
    for (const KeyMessage& key : messages) {
        const PostedMessage m = postedMessage(key);
        // Refused with ERROR_ACCESS_DENIED when the target runs with higher
        // privileges.
        if (!PostMessageW(focus, m.message, static_cast<WPARAM>(m.wParam), static_cast<LPARAM>(m.lParam))) return false;
    }
    return true;
}

}  // namespace mw::win32
