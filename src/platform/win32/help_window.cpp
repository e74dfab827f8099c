#include "platform/win32/help_window.h"

#include "help/form2.h"
#include "help/form2_layout.h"
#include "platform/win32/modal_window.h"

namespace mw::win32 {

void showHelpWindow(HWND owner, const Services& services, const HotkeyStatus& hotkey)
{
    ModalWindow modal(form2Layout(), owner);
    FormWindow& window = modal.window();
    const Form2Controls controls{window, window.label(form2_id::kLabel1), window.listView(form2_id::kListView1),
                                 window.button(form2_id::kPushButton1)};
    Form2 form2(controls, services, hotkey);
    // Enter and Escape close the window, as its Close button does.
    window.onDialogCommand = [&](int) { form2.PushButton1_Click(); };

    form2.Form_Load();
    modal.show();
    SetFocus(window.control(form2_id::kPushButton1));
    modal.runUntilClosed();
}

}  // namespace mw::win32
