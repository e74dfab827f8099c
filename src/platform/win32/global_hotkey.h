#pragma once
#include <map>

#include "platform/global_hotkey.h"
#include "platform/win32/window_class.h"

namespace mw::win32 {

// RegisterHotKey on a message-only window of the program's own: WM_HOTKEY
// arrives there from any window.
class Win32GlobalHotkey final : public GlobalHotkey, private WindowClass {
public:
    Win32GlobalHotkey();
    ~Win32GlobalHotkey() override;
    bool claim(Id id, const HotkeyCombination& combination, std::function<void()> pressed) override;
    void release(Id id) override;
    std::vector<HotkeyCombination> held() const override;
    void suspend() override;
    void resume() override;

private:
    struct Claim {
        HotkeyCombination combination;
        std::function<void()> pressed;
        bool registered = false;
    };
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool registerClaim(Id id, Claim& claim);
    // Only the claims the system granted: one another program holds is
    // forgotten at once.
    std::map<Id, Claim> claims_;
    int suspensions_ = 0;  // suspend() calls not yet resumed
};

}  // namespace mw::win32
