#pragma once
// Files beside the program (the program's folder and the optional files the
// program looks for there), and files the user names.
#include <string>

namespace mw {

class Files {
public:
    virtual ~Files() = default;
    // The folder of the running executable, without a trailing separator except
    // at a drive root.
    virtual std::string programFolder() = 0;
    // The file name (with extension) of the running executable.
    virtual std::string programFileName() = 0;
    // True when the file's date can be read; never fails.
    virtual bool exists(const std::string& path) = 0;
    // True for an ordinary file: not a folder, not hidden, not a system file.
    virtual bool isOrdinaryFile(const std::string& path) = 0;
    // Reads the whole file; raises a Failure when it cannot be read.
    virtual std::string readAll(const std::string& path) = 0;
    // Writes the file afresh with the content; raises a Failure when it
    // cannot be written.
    virtual void writeAll(const std::string& path, const std::string& content) = 0;
};

}  // namespace mw
