#pragma once
// A window of the program shown modally over its owner (Help, Options): a
// fixed border with a close box and the program icon, centred on the owner's
// screen; the owner takes no input until it closes.
#include "platform/form_layout.h"
#include "platform/win32/form_window.h"
#include "platform/win32/icons.h"

namespace mw::win32 {

class ModalWindow {
public:
    // Builds the window from its design; it shows with show().
    ModalWindow(const FormLayout& layout, HWND owner);
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

    FormWindow& window() { return window_; }
    // Centres the window, disables the owner and shows the window.
    void show();
    // Runs the messages until the window is closed (the close box, Alt+F4 or
    // the form's own close) or the program quits.
    void runUntilClosed();

private:
    // Made before the window: a window still there when the loop ends (the
    // program is quitting) is destroyed with its object, and its last
    // message sets this.
    bool open_ = true;
    HWND owner_;
    ProgramIcons icons_;
    FormWindow window_;
};

}  // namespace mw::win32
