#pragma once
// The finder tool over a static control, as window-spy programs have it: a
// press on it captures the mouse and shows the crosshair pointer, the icon
// leaves its place while it is dragged, and the release names the top-level
// window under the pointer.
#include "platform/window_finder.h"
#include "platform/win32/controls.h"

namespace mw::win32 {

class Win32WindowFinder final : public WindowFinder, public RoutedControl {
public:
    explicit Win32WindowFinder(HWND hwnd);
    ~Win32WindowFinder() override;
    Win32WindowFinder(const Win32WindowFinder&) = delete;
    Win32WindowFinder& operator=(const Win32WindowFinder&) = delete;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    std::optional<LRESULT> message(UINT message);
    void paint();
    void drop();

    HWND hwnd_;
    bool dragging_ = false;
};

// The top-level window under a point of the screen, null over the bare desktop.
HWND topLevelWindowAt(POINT screen);

}  // namespace mw::win32
