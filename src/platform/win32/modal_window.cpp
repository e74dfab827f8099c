#include "platform/win32/modal_window.h"

#include "platform/win32/event_loop.h"

namespace mw::win32 {

ModalWindow::ModalWindow(const FormLayout& layout, HWND owner)
    : owner_(owner),
      icons_(loadProgramIcons()),
      // Fixed border, a close box and neither minimise nor maximise button.
      window_(layout, {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, owner}, icons_.big.get(),
              icons_.small.get())
{
    // The window class carries the program icon already, but a window with
    // WS_EX_DLGMODALFRAME leaves the class icon out of its caption and Alt+Tab:
    // it shows only an icon given to the window itself.
    SendMessageW(window_.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_.big.get()));
    SendMessageW(window_.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_.small.get()));
    // The owner is enabled again before the window goes, so the activation
    // returns to it rather than to another program.
    window_.onClose = [this] {
        EnableWindow(owner_, TRUE);
        DestroyWindow(window_.hwnd());
    };
    window_.onDestroyed = [this] { open_ = false; };
}

void ModalWindow::show()
{
    window_.centre();
    EnableWindow(owner_, FALSE);
    ShowWindow(window_.hwnd(), SW_SHOW);
}

void ModalWindow::runUntilClosed() { runModal(open_, owner_); }

}  // namespace mw::win32
