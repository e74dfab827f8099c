#pragma once
#include "platform/services.h"
#include "typing/hotkey.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Builds the help window afresh and shows it modally over the owner: the
// owner takes no input until the help window closes.
void showHelpWindow(HWND owner, const Services& services, const HotkeyStatus& hotkey);

}  // namespace mw::win32
