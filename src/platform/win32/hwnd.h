#pragma once
// The core's window handles are the system's, carried as a signed integer.
#include "platform/window_handle.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

inline HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(window)); }
inline WindowHandle fromHwnd(HWND hwnd) { return static_cast<WindowHandle>(reinterpret_cast<LONG_PTR>(hwnd)); }

}  // namespace mw::win32
