#pragma once
#include "platform/settings_sections.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Sections under a key of their own beside the program's main section:
// HKCU\Software\VB and VBA Program Settings\<application>\<parent>\<name>.
class Win32SettingsSections final : public SettingsSections {
public:
    Win32SettingsSections(const std::string& application, const std::string& parent);
    std::vector<std::string> names() override;
    std::unique_ptr<SettingsStore> open(const std::string& name) override;
    void remove(const std::string& name) override;

private:
    std::string application_;
    std::string parent_;
    std::wstring parentPath_;
};

}  // namespace mw::win32
