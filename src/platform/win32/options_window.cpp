#include "platform/win32/options_window.h"

#include "main_window/options_dialog.h"
#include "main_window/options_layout.h"
#include "platform/win32/modal_window.h"

namespace mw::win32 {

// Enter and Escape press OK and Cancel because they carry the identifiers
// the dialog navigation sends for the two keys.
static_assert(options_id::kOk == IDOK && options_id::kCancel == IDCANCEL);

bool showOptionsWindow(HWND owner, const Services& services)
{
    // The close box is Cancel: the window goes and nothing is stored.
    ModalWindow modal(optionsLayout(), owner);
    FormWindow& window = modal.window();
    namespace id = options_id;
    OptionsDialogControls controls{window,
                                   window.hotkeyBox(id::kHotkey),
                                   {},
                                   {},
                                   window.button(id::kOk),
                                   window.button(id::kCancel)};
    for (std::size_t i = 0; i < controls.numbers.size(); ++i)
        controls.numbers[i] = &window.textBox(id::kNumberFields[i]);
    for (std::size_t i = 0; i < controls.switches.size(); ++i)
        controls.switches[i] = &window.checkBox(id::kSwitches[i]);
    OptionsDialog dialog(controls, services);

    modal.show();
    // Opened from the tray while the main window is hidden there, it is the
    // window the user works in.
    SetForegroundWindow(window.hwnd());
    // Filled once it shows, so that the focus it sets lands in a window that
    // is active and a failing read is reported over it.
    dialog.Form_Load();

    modal.runUntilClosed();
    return dialog.stored();
}

}  // namespace mw::win32
