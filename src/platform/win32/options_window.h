#pragma once
#include "platform/services.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Builds the Options dialog afresh and shows it modally over the owner;
// true when OK stored its fields.
bool showOptionsWindow(HWND owner, const Services& services);

}  // namespace mw::win32
