#pragma once
// The program's folder and the files beside it.
#include "platform/files.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32Files final : public Files {
public:
    std::string programFolder() override;
    std::string programFileName() override;
    bool exists(const std::string& path) override;
    bool isOrdinaryFile(const std::string& path) override;
    std::string readAll(const std::string& path) override;
    void writeAll(const std::string& path, const std::string& content) override;
};

}  // namespace mw::win32
