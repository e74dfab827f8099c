#include "platform/win32/sequences_window.h"

#include "platform/win32/hwnd.h"
#include "platform/win32/sequence_editor_window.h"
#include "sequences_window/sequences_layout.h"

namespace mw::win32 {
namespace {

namespace id = sequences_id;

// Escape presses Close because it carries the identifier the dialog
// navigation sends for the key.
static_assert(id::kClose == IDCANCEL);

SequencesWindowControls controlsOf(FormWindow& window)
{
    return {window,
            window.reportList(id::kList),
            window.button(id::kNew),
            window.button(id::kEdit),
            window.button(id::kDelete),
            window.button(id::kOnOff),
            window.button(id::kTypeNow),
            window.button(id::kImport),
            window.button(id::kExport),
            window.button(id::kClose)};
}

}  // namespace

Win32SequencesWindow::Win32SequencesWindow(HWND mainWindow, const Services& services, SequenceRunner& runner,
                                           std::function<std::optional<HotkeyCombination>()> mainHotkey)
    : icons_(loadProgramIcons()),
      // A taskbar button of its own (WS_EX_APPWINDOW), to find it again
      // while the main window is in the tray.
      window_(sequencesLayout(), {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_APPWINDOW, mainWindow},
              icons_.big.get(), icons_.small.get()),
      services_(services),
      logic_(controlsOf(window_), services, runner, fromHwnd(mainWindow))
{
    logic_.mainHotkey = std::move(mainHotkey);
    logic_.showEditor = [this](const SequenceEditing& editing) {
        return showSequenceEditor(window_.hwnd(), services_, editing);
    };
    // The close box, Alt+F4 and the system menu hide it as Close does.
    window_.onClose = [this] { logic_.Close_Click(); };
    window_.onDialogCommand = [this](int command) {
        if (command == IDOK) enterPressed();
    };
    window_.centre();
}

void Win32SequencesWindow::enterPressed()
{
    // On a button, Enter presses it; elsewhere (the list) it edits the
    // selected sequence.
    const HWND focus = GetFocus();
    if (focus && IsChild(window_.hwnd(), focus) && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SendMessageW(focus, BM_CLICK, 0, 0);
    else
        logic_.Edit_Click();
}

void Win32SequencesWindow::show()
{
    const HWND hwnd = window_.hwnd();
    const HWND over = GetLastActivePopup(hwnd);
    if (!IsWindowEnabled(hwnd) && over && over != hwnd && IsWindowVisible(over)) {
        SetForegroundWindow(over);
        return;
    }
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    logic_.show();
}

void Win32SequencesWindow::hide() { ShowWindow(window_.hwnd(), SW_HIDE); }

}  // namespace mw::win32
