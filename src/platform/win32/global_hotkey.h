#pragma once
#include "platform/global_hotkey.h"
#include "platform/win32/window_class.h"

namespace mw::win32 {

// RegisterHotKey on a message-only window of the program's own: WM_HOTKEY
// arrives there from any window.
class Win32GlobalHotkey final : public GlobalHotkey, private WindowClass {
public:
    Win32GlobalHotkey();
    ~Win32GlobalHotkey() override;
    bool claim(const HotkeyCombination& combination) override;
    void release() override;
    void suspend() override;
    void resume() override;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool registerCombination();
    HotkeyCombination combination_;
    bool claimed_ = false;
    bool registered_ = false;
    int suspensions_ = 0;  // suspend() calls not yet resumed
};

}  // namespace mw::win32
