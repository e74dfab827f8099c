#include "platform/win32/window_class.h"

#include <utility>

#include "platform/failure.h"
#include "platform/win32/failure_barrier.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

WindowClass::~WindowClass() { destroyWindow(); }

void WindowClass::destroyWindow()
{
    if (!hwnd_) return;
    const HWND window = std::exchange(hwnd_, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

void WindowClass::create(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* title, int x,
                         int y, int width, int height, HWND parent, HICON icon, HICON smallIcon,
                         std::string location)
{
    location_ = std::move(location) + ".WindowProc";
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
        self->hwnd_ = hwnd;
    } else {
        self = reinterpret_cast<WindowClass*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto result = guarded([self] { return self->location_; }, [&] { return self->handleMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        // Gone by other means (DestroyWindow, its owner's destruction): there
        // is nothing left for the object to destroy.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result ? *result : DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace mw::win32
