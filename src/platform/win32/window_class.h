#pragma once
// A C++ object behind a window: the object pointer is stored at WM_NCCREATE and
// every later message goes to its one handleMessage member, inside a barrier
// that keeps exceptions out of the system's frames.
//
// The object owns its window. Destroying the object detaches it from the
// window first, so the messages that destroying the window sends never reach
// an object that is half gone; the window then gets the default treatment.
#include <string>

#include "platform/win32/windows_include.h"

namespace mw::win32 {

class WindowClass {
public:
    WindowClass() = default;
    virtual ~WindowClass();
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class once and creates the window with this object behind
    // it. The location names the window in failure reports ("Form1").
    void create(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* title, int x, int y,
                int width, int height, HWND parent, HICON icon, HICON smallIcon, std::string location);
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Detaches this object from its window and destroys the window; a derived
    // class calls it first in its destructor when its members (fonts, brushes)
    // must outlive the window.
    void destroyWindow();
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(hwnd(), message, wParam, lParam);
    }
private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;  // owned: destroyed with this object unless already gone
    std::string location_;  // "Form1.WindowProc", for failure reports
};

}  // namespace mw::win32
