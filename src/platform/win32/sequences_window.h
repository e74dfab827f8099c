#pragma once
// The Sequences window on the screen: built once, when first asked for, and
// hidden rather than destroyed when closed, so that asking again brings the
// same window back.
#include <functional>
#include <optional>

#include "platform/services.h"
#include "platform/win32/form_window.h"
#include "platform/win32/icons.h"
#include "sequences_window/sequences_window.h"

namespace mw::win32 {

class Win32SequencesWindow {
public:
    // Owned by the main window, which keeps it out of the window list and
    // of every target rule, as the program's other windows are.
    Win32SequencesWindow(HWND mainWindow, const Services& services, SequenceRunner& runner,
                         std::function<std::optional<HotkeyCombination>()> mainHotkey);
    // Shows it, or brings it to the front; with the editor or a box open
    // over it, that comes to the front.
    void show();
    // The program closes: it leaves the screen at once.
    void hide();

private:
    void enterPressed();

    ProgramIcons icons_;
    FormWindow window_;
    const Services services_;
    SequencesWindow logic_;
};

}  // namespace mw::win32
