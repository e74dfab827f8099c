#include "platform/win32/registry_string.h"

#include <cwchar>

namespace mw::win32 {

LSTATUS readRegistryString(HKEY key, const wchar_t* subKey, const wchar_t* name, std::wstring& value)
{
    for (;;) {
        DWORD bytes = 0;
        LSTATUS status = RegGetValueW(key, subKey, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
        if (status != ERROR_SUCCESS) return status;
        std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = RegGetValueW(key, subKey, name, RRF_RT_REG_SZ, nullptr, data.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;  // it grew in between
        if (status != ERROR_SUCCESS) return status;
        data.resize(wcsnlen(data.c_str(), data.size()));
        value = std::move(data);
        return ERROR_SUCCESS;
    }
}

}  // namespace mw::win32
