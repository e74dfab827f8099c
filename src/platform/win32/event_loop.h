#pragma once
// Processing pending messages inside a handler, and the one dispatch every
// message loop of the program uses.
#include "platform/event_loop.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32EventLoop final : public EventLoop {
public:
    void processPending() override;
    void waitForEvents(int timeoutMs) override;
    bool quitRequested() const override { return quit_; }

private:
    bool quit_ = false;
};

// Dispatches one message, letting the active window's dialog navigation
// (Tab, arrow keys) see it first. Used by every message loop of the program.
void dispatch(MSG& message);

// The message loop of a modal window: runs while open is set, then enables
// the owner again and gives it back the activation when it shows. A quit
// that arrives meanwhile ends it and is left for the main loop.
void runModal(const bool& open, HWND owner);

}  // namespace mw::win32
