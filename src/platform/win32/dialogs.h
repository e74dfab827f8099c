#pragma once
// The message box and the input box, modal to the window the user works in.
#include <optional>

#include "platform/dialogs.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32Dialogs final : public Dialogs {
public:
    // The window the dialogs are modal to.
    void setOwner(HWND owner) { owner_ = owner; }

protected:
    void showWarning(const std::string& text, const std::string& title) override;
    bool askQuestion(const std::string& text, const std::string& title) override;
    std::optional<std::string> showInput(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;

private:
    HWND owner() const;
    HWND owner_ = nullptr;
};

// The program's window the user works in, which a box is modal to: the main
// window, or the window open over it (Help, Options, the Sequences window)
// and the one open over that (the sequence editor).
HWND workingWindow(HWND mainWindow);

}  // namespace mw::win32
