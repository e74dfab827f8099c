#include "platform/win32/settings_store.h"

#include "platform/failure.h"
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
    HKEY raw = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE, &raw);
    if (status == ERROR_FILE_NOT_FOUND) return fallback;
    if (status != ERROR_SUCCESS) failWith(status);
    const UniqueKey section(raw);
    const std::wstring name = widen(key);
    for (;;) {
        DWORD bytes = 0;
        status = RegGetValueW(section.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
        if (status == ERROR_FILE_NOT_FOUND) return fallback;
        if (status != ERROR_SUCCESS) failWith(status);
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        status = RegGetValueW(section.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;  // grew in between
        if (status != ERROR_SUCCESS) failWith(status);
        value.resize(wcsnlen(value.c_str(), value.size()));
        return narrow(value);
    }
}

void Win32SettingsStore::write(const std::string& key, const std::string& value)
{
    HKEY raw = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, &raw, nullptr);
    if (status != ERROR_SUCCESS) failWith(status);
    const UniqueKey section(raw);
    const std::wstring data = widen(value);
    status = RegSetValueExW(section.get(), widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) failWith(status);
}

}  // namespace mw::win32
