#include "platform/win32/settings_sections.h"

#include "platform/failure.h"
#include "platform/win32/settings_store.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

Win32SettingsSections::Win32SettingsSections(const std::string& application, const std::string& parent)
    : application_(application),
      parent_(parent),
      parentPath_(L"Software\\VB and VBA Program Settings\\" + widen(application) + L"\\" + widen(parent))
{
}

std::vector<std::string> Win32SettingsSections::names()
{
    UniqueKey parent;
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, parentPath_.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, parent.put());
    if (status == ERROR_FILE_NOT_FOUND) return {};
    if (status != ERROR_SUCCESS) fail(describeError(static_cast<unsigned long>(status)));
    std::vector<std::string> names;
    // Key names are at most 255 characters.
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        const LSTATUS next = RegEnumKeyExW(parent.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (next == ERROR_NO_MORE_ITEMS) break;
        if (next != ERROR_SUCCESS) fail(describeError(static_cast<unsigned long>(next)));
        names.push_back(narrow(std::wstring(name, length)));
    }
    return names;
}

std::unique_ptr<SettingsStore> Win32SettingsSections::open(const std::string& name)
{
    return std::make_unique<Win32SettingsStore>(application_, parent_ + "\\" + name);
}

void Win32SettingsSections::remove(const std::string& name)
{
    UniqueKey parent;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, parentPath_.c_str(), 0, KEY_ALL_ACCESS, parent.put()) != ERROR_SUCCESS) return;
    const LSTATUS status = RegDeleteTreeW(parent.get(), widen(name).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) fail(describeError(static_cast<unsigned long>(status)));
}

}  // namespace mw::win32
