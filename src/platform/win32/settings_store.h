#pragma once
#include "platform/settings_store.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Per-user settings under the key where classic Windows programs keep theirs:
// HKCU\Software\VB and VBA Program Settings\<application>\<section>.
class Win32SettingsStore final : public SettingsStore {
public:
    Win32SettingsStore(const std::string& application, const std::string& section);
    std::string read(const std::string& key, const std::string& fallback) override;
    void write(const std::string& key, const std::string& value) override;

private:
    std::wstring keyPath_;
};

}  // namespace mw::win32
