#pragma once
// The one way the Win32 layer includes the Windows headers.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// windows.h first: the others rely on its types.
#include <commctrl.h>
#include <shellapi.h>
