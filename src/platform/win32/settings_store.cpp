#include "platform/win32/settings_store.h"

#include "platform/failure.h"
#include "platform/win32/registry_string.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"

namespace mw::win32 {
namespace {

[[noreturn]] void failWith(LSTATUS status) { fail(describeError(static_cast<unsigned long>(status))); }

}  // namespace

Win32SettingsStore::Win32SettingsStore(const std::string& application, const std::string& section)
    : keyPath_(L"Software\\VB and VBA Program Settings\\" + widen(application) + L"\\" + widen(section))
{
}

std::string Win32SettingsStore::read(const std::string& key, const std::string& fallback)
{
    UniqueKey section;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE, section.put());
    if (status == ERROR_FILE_NOT_FOUND) return fallback;
    if (status != ERROR_SUCCESS) failWith(status);
    std::wstring value;
    status = readRegistryString(section.get(), nullptr, widen(key).c_str(), value);
    if (status == ERROR_FILE_NOT_FOUND) return fallback;
    if (status != ERROR_SUCCESS) failWith(status);
    return narrow(value);
}

void Win32SettingsStore::write(const std::string& key, const std::string& value)
{
    UniqueKey section;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, section.put(), nullptr);
    if (status != ERROR_SUCCESS) failWith(status);
    const std::wstring data = widen(value);
    status = RegSetValueExW(section.get(), widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) failWith(status);
}

}  // namespace mw::win32
