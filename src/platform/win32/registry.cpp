#include "platform/win32/registry.h"

#include "platform/win32/registry_string.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"

namespace mw::win32 {
namespace {

HKEY root(Hive hive) { return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

}  // namespace

bool Win32Registry::setString(Hive hive, const std::string& keyPath, const std::string& name,
                              const std::string& data)
{
    // A new account may have no per-user Run key yet: make it.
    UniqueKey key;
    if (RegCreateKeyExW(root(hive), widen(keyPath).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring wide = widen(data);
    return RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool Win32Registry::setBinary(Hive hive, const std::string& keyPath, const std::string& name,
                              const std::string& data)
{
    UniqueKey key;
    if (RegOpenKeyExW(root(hive), widen(keyPath).c_str(), 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) return false;
    return RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(Hive hive, const std::string& keyPath, const std::string& name)
{
    UniqueKey key;
    if (RegOpenKeyExW(root(hive), widen(keyPath).c_str(), 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) return false;
    const LSTATUS status = RegDeleteValueW(key.get(), widen(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::optional<std::string> Win32Registry::getString(Hive hive, const std::string& keyPath, const std::string& name)
{
    std::wstring data;
    if (readRegistryString(root(hive), widen(keyPath).c_str(), widen(name).c_str(), data) != ERROR_SUCCESS)
        return std::nullopt;
    return narrow(data);
}

std::optional<std::string> Win32Registry::getBinary(Hive hive, const std::string& keyPath, const std::string& name)
{
    DWORD bytes = 0;
    const std::wstring path = widen(keyPath), value = widen(name);
    if (RegGetValueW(root(hive), path.c_str(), value.c_str(), RRF_RT_REG_BINARY, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::string data(bytes, '\0');
    if (RegGetValueW(root(hive), path.c_str(), value.c_str(), RRF_RT_REG_BINARY, nullptr, data.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(bytes);
    return data;
}

}  // namespace mw::win32
