#include "platform/win32/help_window.h"

#include "help/form2.h"
#include "help/form2_layout.h"
#include "platform/win32/form_window.h"
#include "platform/win32/icons.h"
#include "platform/win32/event_loop.h"

namespace mw::win32 {

void showHelpWindow(HWND owner, const Services& services)
{
    // Made before the window: a window still there when the loop ends (the
    // program is quitting) is destroyed with its object, and its last
    // message sets this.
    bool open = true;
    const ProgramIcons icons = loadProgramIcons();
    // Fixed border, a close box and neither minimise nor maximise button.
    FormWindow window(form2Layout(), {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, owner},
                      icons.big.get(), icons.small.get());
    // The window class carries the program icon already, but a window with
    // WS_EX_DLGMODALFRAME leaves the class icon out of its caption and Alt+Tab:
    // it shows only an icon given to the window itself.
    SendMessageW(window.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
    SendMessageW(window.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
    const Form2Controls controls{window, window.label(form2_id::kLabel1), window.listView(form2_id::kListView1),
                                 window.button(form2_id::kPushButton1)};
    Form2 form2(controls, services);

    // The owner is enabled again before the window goes, so the activation
    // returns to it rather than to another program.
    window.onClose = [&] {
        EnableWindow(owner, TRUE);
        DestroyWindow(window.hwnd());
    };
    window.onDestroyed = [&] { open = false; };
    // Enter and Escape close the window, as its Close button does.
    window.onDialogCommand = [&](int) { form2.PushButton1_Click(); };

    form2.Form_Load();
    window.centre();
    EnableWindow(owner, FALSE);
    ShowWindow(window.hwnd(), SW_SHOW);
    SetFocus(window.control(form2_id::kPushButton1));

    runModal(open, owner);
}

}  // namespace mw::win32
