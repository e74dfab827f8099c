#pragma once
// The core holds text as UTF-8; Win32 takes UTF-16. Convert only here.
#include <string>

#include "platform/win32/windows_include.h"

namespace mw::win32 {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);
std::string narrow(const wchar_t* utf16, int length);
// A window's text (its title, or a control's caption).
std::string windowText(HWND window);
// The system's description of an error code.
std::string describeError(unsigned long code);

}  // namespace mw::win32
