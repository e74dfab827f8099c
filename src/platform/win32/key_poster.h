#pragma once
#include "platform/key_posting.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Posts WM_KEYDOWN, WM_KEYUP and WM_CHAR (WM_SYSKEYDOWN, WM_SYSKEYUP and
// WM_SYSCHAR with Alt) to the target thread's focused window, with the scan
// code, extended, context, previous-state and transition bits and a repeat
// count of 1 in each, as the keyboard would send them.
class Win32KeyPoster final : public KeyPosting {
public:
    bool post(const std::vector<KeyMessage>& messages, WindowHandle target) override;
    // The window of the target's that gets the keys: the focus of its thread,
    // else its first text control, else itself.
    static HWND receiverOf(HWND window);
};

// The message and its lParam for one key message.
struct PostedMessage {
    unsigned message;
    unsigned long long wParam;
    long long lParam;
};
PostedMessage postedMessage(const KeyMessage& key);

}  // namespace mw::win32
