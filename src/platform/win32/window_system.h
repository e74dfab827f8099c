#pragma once
// The desktop's windows through user32.
#include <functional>

#include "platform/window_system.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32WindowSystem final : public WindowSystem {
public:
    // Called after askForeground gave an input event of its own, so that it
    // is not taken for the user's.
    std::function<void()> ownInputSent;

    WindowHandle firstTopLevel() override;
    WindowHandle nextBelow(WindowHandle window) override;
    WindowHandle owner(WindowHandle window) override;
    std::string title(WindowHandle window) override;
    bool isVisible(WindowHandle window) override;
    bool exists(WindowHandle window) override;
    bool isCloaked(WindowHandle window) override;
    ExtendedStyle extendedStyle(WindowHandle window) override;
    std::string programOf(WindowHandle window) override;
    std::string className(WindowHandle window) override;
    Creator creatorOf(WindowHandle window) override;
    WindowHandle foregroundWindow() override;
    ThreadInput threadInput(ThreadId thread) override;
    void setTopmostBand(WindowHandle window, bool topmost, bool activate = true) override;
    void show(WindowHandle window) override;
    bool isHung(WindowHandle window) override;
    bool askForeground(WindowHandle window, bool ownInput) override;
    bool desktopTakesInput() override;
    bool fullScreenInFront() override;
    bool acceptsOurInput(WindowHandle window) override;
};

}  // namespace mw::win32
