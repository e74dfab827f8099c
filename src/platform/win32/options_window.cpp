#include "platform/win32/options_window.h"

#include "main_window/options_dialog.h"
#include "main_window/options_layout.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/form_window.h"
#include "platform/win32/icons.h"

namespace mw::win32 {

// Enter and Escape press OK and Cancel because they carry the identifiers
// the dialog navigation sends for the two keys.
static_assert(options_id::kOk == IDOK && options_id::kCancel == IDCANCEL);

bool showOptionsWindow(HWND owner, const Services& services)
{
    // Made before the window: a window still there when the loop ends (the
    // program is quitting) is destroyed with its object, and its last
    // message sets this.
    bool open = true;
    const ProgramIcons icons = loadProgramIcons();
    // Fixed border, a close box and neither minimise nor maximise button.
    FormWindow window(optionsLayout(), {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, owner},
                      icons.big.get(), icons.small.get());
    // A window with WS_EX_DLGMODALFRAME shows only an icon given to the window itself.
    SendMessageW(window.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
    SendMessageW(window.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
    namespace id = options_id;
    OptionsDialogControls controls{window,
                                   window.textBox(id::kHotkey),
                                   {},
                                   {},
                                   window.button(id::kOk),
                                   window.button(id::kCancel)};
    for (std::size_t i = 0; i < controls.numbers.size(); ++i)
        controls.numbers[i] = &window.textBox(id::kNumberFields[i]);
    for (std::size_t i = 0; i < controls.switches.size(); ++i)
        controls.switches[i] = &window.checkBox(id::kSwitches[i]);
    OptionsDialog dialog(controls, services);

    // The owner is enabled again before the window goes, so the activation
    // returns to it rather than to another program. The close box is Cancel.
    window.onClose = [&] {
        EnableWindow(owner, TRUE);
        DestroyWindow(window.hwnd());
    };
    window.onDestroyed = [&] { open = false; };

    window.centre();
    EnableWindow(owner, FALSE);
    ShowWindow(window.hwnd(), SW_SHOW);
    // Opened from the tray while the main window is hidden there, it is the
    // window the user works in.
    SetForegroundWindow(window.hwnd());
    // Filled once it shows, so that the focus it sets lands in a window that
    // is active and a failing read is reported over it.
    dialog.Form_Load();

    runModal(open, owner);
    return dialog.stored();
}

}  // namespace mw::win32
