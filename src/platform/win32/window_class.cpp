#include "platform/win32/window_class.h"

#include "platform/failure.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

void WindowClass::create(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* title, int x,
                         int y, int width, int height, HWND parent, HICON icon, HICON smallIcon)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &WindowClass::windowProc;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hIconSm = smallIcon;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = nullptr;  // the window paints its own background colour
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc)) fail(describeError(GetLastError()));
    }
    const HWND hwnd = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                                      instance, this);
    if (!hwnd) fail(describeError(GetLastError()));
}

LRESULT CALLBACK WindowClass::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowClass* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowClass*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        // Owned from here on: messages sent during CreateWindowEx already need it.
        self->window_.reset(hwnd);
    } else {
        self = reinterpret_cast<WindowClass*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->window_.release();
    }
    return result;
}

}  // namespace mw::win32
