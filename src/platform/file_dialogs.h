#pragma once
// The system's standard dialogs that choose a file to open or a name to save
// under, modal to the window the user works in.
#include <optional>
#include <string>

namespace mw {

// One entry of the dialog's type filter.
struct FileType {
    std::string description;  // "Marrowind sequences (*.json)"
    std::string pattern;      // "*.json"
    std::string extension;    // "json": added to a name typed without one
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path of the file chosen; nullopt when the user cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const std::string& title, const FileType& type) = 0;
    // Asks before replacing a file that exists.
    virtual std::optional<std::string> chooseFileToSave(const std::string& title, const FileType& type,
                                                        const std::string& suggestedName) = 0;
};

}  // namespace mw
