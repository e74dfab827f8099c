#include "platform/win32/file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/failure.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

std::optional<std::string> Win32FileDialogs::chooseFileToOpen(const std::string& title, const FileType& type)
{
    return choose(false, title, type, {});
}

std::optional<std::string> Win32FileDialogs::chooseFileToSave(const std::string& title, const FileType& type,
                                                              const std::string& suggestedName)
{
    return choose(true, title, type, suggestedName);
}

std::optional<std::string> Win32FileDialogs::choose(bool save, const std::string& title, const FileType& type,
                                                    const std::string& suggestedName)
{
    // The filter: the type's description and pattern, then every file, each
    // string ended by a null and the whole by another.
    std::wstring filter = widen(type.description);
    filter += L'\0';
    filter += widen(type.pattern);
    filter += L'\0';
    filter += L"All files (*.*)";
    filter += L'\0';
    filter += L"*.*";
    filter += L'\0';
    const std::wstring caption = widen(title), extension = widen(type.extension);
    // Room for a long path; the dialog says when the buffer is too small.
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring suggested = widen(suggestedName);
    suggested.copy(path.data(), std::min(suggested.size(), path.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = workingWindow(mainWindow_);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (chosen) return narrow(path.data());
    // Cancelled, or the dialog could not show: only the second is a failure.
    if (const DWORD error = CommDlgExtendedError())
        fail("The file dialog could not be shown (error " + std::to_string(error) + ")");
    return std::nullopt;
}

}  // namespace mw::win32
