#pragma once
// Reading one string value from the registry, for the registry service and
// the settings store alike.
#include <string>

#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Reads the REG_SZ value `name` of `key` (under `subKey` when not null) into
// value. Asks for the size, then the data, and again when the value grew in
// between (ERROR_MORE_DATA). Returns the status: ERROR_FILE_NOT_FOUND when
// the key or value does not exist.
LSTATUS readRegistryString(HKEY key, const wchar_t* subKey, const wchar_t* name, std::wstring& value);

}  // namespace mw::win32
