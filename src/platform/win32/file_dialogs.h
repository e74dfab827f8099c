#pragma once
// The common Open and Save As dialogs, modal to the window the user works in.
#include "platform/file_dialogs.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32FileDialogs final : public FileDialogs {
public:
    // The program's main window, from which the window the user works in is
    // found.
    void setOwner(HWND mainWindow) { mainWindow_ = mainWindow; }
    std::optional<std::string> chooseFileToOpen(const std::string& title, const FileType& type) override;
    std::optional<std::string> chooseFileToSave(const std::string& title, const FileType& type,
                                                const std::string& suggestedName) override;

private:
    std::optional<std::string> choose(bool save, const std::string& title, const FileType& type,
                                       const std::string& suggestedName);
    HWND mainWindow_ = nullptr;
};

}  // namespace mw::win32
