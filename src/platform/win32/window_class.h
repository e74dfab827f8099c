#pragma once
// A C++ object behind a window: the object pointer is stored at WM_NCCREATE and
// every later message goes to its one handleMessage member.
#include "platform/win32/unique_handle.h"

namespace mw::win32 {

class WindowClass {
public:
    virtual ~WindowClass() = default;
    HWND hwnd() const { return window_.get(); }

protected:
    // Registers the class once and creates the window with this object behind it.
    void create(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* title, int x, int y,
                int width, int height, HWND parent, HICON icon, HICON smallIcon);
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(hwnd(), message, wParam, lParam);
    }
    // Called when the window is gone, so the owner does not destroy it again.
    void forgetWindow() { window_.release(); }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    UniqueWindow window_;
};

}  // namespace mw::win32
