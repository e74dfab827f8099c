#include "platform/win32/window_finder.h"

#include <algorithm>

#include "platform/win32/failure_barrier.h"
#include "platform/win32/hwnd.h"

namespace mw::win32 {
namespace {

// Apart from the form's own subclass of every control.
constexpr UINT_PTR kFinderSubclassId = 2;

}  // namespace

HWND topLevelWindowAt(POINT screen)
{
    const HWND hit = WindowFromPoint(screen);
    const HWND top = hit ? GetAncestor(hit, GA_ROOT) : nullptr;
    return top == GetDesktopWindow() ? nullptr : top;
}

Win32WindowFinder::Win32WindowFinder(HWND hwnd) : hwnd_(hwnd)
{
    SetWindowSubclass(hwnd_, &Win32WindowFinder::proc, kFinderSubclassId, reinterpret_cast<DWORD_PTR>(this));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

Win32WindowFinder::~Win32WindowFinder()
{
    if (IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, &Win32WindowFinder::proc, kFinderSubclassId);
}

LRESULT CALLBACK Win32WindowFinder::proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self)
{
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Win32WindowFinder::proc, kFinderSubclassId);
    auto* finder = reinterpret_cast<Win32WindowFinder*>(self);
    std::optional<LRESULT> handled;
    const auto result = guarded([] { return std::string_view("Finder.WindowProc"); }, [&] {
        handled = finder->message(message);
        return LRESULT{0};
    });
    return result && handled ? *handled : DefSubclassProc(hwnd, message, wParam, lParam);
}

std::optional<LRESULT> Win32WindowFinder::message(UINT message)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONDOWN:
        dragging_ = true;
        SetCapture(hwnd_);
        SetCursor(LoadCursorW(nullptr, IDC_CROSS));
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_MOUSEMOVE:
        if (!dragging_) return std::nullopt;
        SetCursor(LoadCursorW(nullptr, IDC_CROSS));
        return 0;
    case WM_LBUTTONUP:
        if (!dragging_) return std::nullopt;
        drop();
        return 0;
    case WM_CAPTURECHANGED:
        // Taken away (Alt+Tab, a box that opened): the drag is over, with
        // nothing found.
        if (dragging_) {
            dragging_ = false;
            InvalidateRect(hwnd_, nullptr, TRUE);
        }
        return 0;
    default:
        return std::nullopt;
    }
}

void Win32WindowFinder::drop()
{
    dragging_ = false;
    ReleaseCapture();
    InvalidateRect(hwnd_, nullptr, TRUE);
    const DWORD at = GetMessagePos();
    const POINT screen{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (onDropped) onDropped(fromHwnd(topLevelWindowAt(screen)));
}

void Win32WindowFinder::paint()
{
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // The form's background, as for any static control.
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    // A frame, and in it a circle with a crosshair while the finder is home.
    const int size = std::min(client.right, client.bottom);
    const int inset = size / 6, mid = size / 2;
    const HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const HGDIOBJ fill = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 0, 0, size, size);
    if (!dragging_) {
        Ellipse(dc, inset, inset, size - inset, size - inset);
        MoveToEx(dc, mid, inset / 2, nullptr);
        LineTo(dc, mid, size - inset / 2);
        MoveToEx(dc, inset / 2, mid, nullptr);
        LineTo(dc, size - inset / 2, mid);
    }
    SelectObject(dc, fill);
    SelectObject(dc, pen);
    EndPaint(hwnd_, &ps);
}

}  // namespace mw::win32
