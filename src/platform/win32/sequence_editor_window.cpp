#include "platform/win32/sequence_editor_window.h"

#include "platform/win32/event_loop.h"
#include "platform/win32/form_window.h"
#include "platform/win32/icons.h"
#include "sequences_window/sequence_editor_layout.h"

namespace mw::win32 {

// Enter and Escape press OK and Cancel because they carry the identifiers
// the dialog navigation sends for the two keys.
static_assert(editor_id::kOk == IDOK && editor_id::kCancel == IDCANCEL);

std::optional<Sequence> showSequenceEditor(HWND owner, const Services& services, const SequenceEditing& editing)
{
    // Made before the window: a window still there when the loop ends (the
    // program is quitting) is destroyed with its object, and its last
    // message sets this.
    bool open = true;
    const ProgramIcons icons = loadProgramIcons();
    // Fixed border, a close box and neither minimise nor maximise button.
    FormWindow window(sequenceEditorLayout(), {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, owner},
                      icons.big.get(), icons.small.get());
    // A window with WS_EX_DLGMODALFRAME shows only an icon given to the window itself.
    SendMessageW(window.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
    SendMessageW(window.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
    namespace id = editor_id;
    SequenceEditorControls controls{window,
                                    window.textBox(id::kName),
                                    window.textBox(id::kKeys),
                                    window.checkBox(id::kOneKey),
                                    window.dropDown(id::kWindows),
                                    window.finder(id::kFinder),
                                    window.textBox(id::kProgram),
                                    window.textBox(id::kTitle),
                                    window.textBox(id::kClass),
                                    window.hotkeyBox(id::kHotkey),
                                    {},
                                    window.checkBox(id::kBackground),
                                    window.button(id::kOk),
                                    window.button(id::kCancel)};
    for (std::size_t i = 0; i < controls.numbers.size(); ++i) controls.numbers[i] = &window.textBox(id::kNumbers[i]);
    SequenceEditor editor(controls, services, editing);

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
    SetForegroundWindow(window.hwnd());
    // Filled once it shows, so that the focus it sets lands in a window that
    // is active.
    editor.Form_Load();

    runModal(open, owner);
    return editor.result();
}

}  // namespace mw::win32
