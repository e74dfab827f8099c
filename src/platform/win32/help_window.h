#pragma once
#include "platform/services.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Builds the help window afresh and shows it modally over the owner: the
// owner takes no input until the help window closes.
void showHelpWindow(HWND owner, const Services& services);

}  // namespace mw::win32
