#include "platform/win32/form_window.h"

#include <algorithm>
#include <cctype>

#include "platform/failure.h"
#include "platform/win32/failure_barrier.h"
#include "platform/win32/hwnd.h"
#include "platform/win32/utf.h"

namespace mw::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

struct ChildClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ChildClass childClassFor(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, 0, 0};
    case ControlKind::ListView:
        return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::DefaultButton:
        return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::TextBox:
        // No word wrap (ES_AUTOHSCROLL): Wine's edit control lays out every
        // wrapped line by measuring the whole rest of its paragraph, so a long
        // key text took time growing with the square of its length to show.
        return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ControlKind::EditBox:
        return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::HotkeyBox:
        return {HOTKEY_CLASSW, WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Label:
        return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::DropDown:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::FinderTool:
        // Painted by its control object; SS_NOTIFY lets the mouse reach it.
        return {L"STATIC", SS_NOTIFY, 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, const Style& style, HICON icon, HICON smallIcon) : layout_(layout)
{
    // No WS_CLIPCHILDREN: group boxes leave their inside to the parent to paint.
    create(L"MarrowindForm", style.style, style.exStyle, widen(std::string(layout.caption)).c_str(),
           CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, style.owner, icon, smallIcon, std::string(layout.name));
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd()));
    if (dpi_ <= 0) dpi_ = 96;
    background_.set(kWhite);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font(layout_.font)), FALSE);
    createControls();
    sizeToLayout();
}

FormWindow::~FormWindow()
{
    // The timers and subclasses belong to the window; end them while it exists.
    for (auto& [id, timer] : timers_) timer->ownerGone();
    for (const auto& [id, child] : children_) RemoveWindowSubclass(child, &FormWindow::childProc, kSubclassId);
    destroyWindow();
}

HWND FormWindow::control(int id) const
{
    const auto it = children_.find(id);
    if (it == children_.end()) fail("The window has no control " + std::to_string(id));
    return it->second;
}

void FormWindow::createControls()
{
    // Creation order is tab order: the dialog manager walks siblings in the
    // order they were created.
    std::vector<const ControlLayout*> ordered;
    for (const auto& control : layout_.controls) ordered.push_back(&control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlLayout* a, const ControlLayout* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlLayout* control : ordered) {
        const ChildClass cls = childClassFor(control->kind);
        const DWORD style = WS_CHILD | cls.style | (control->visible ? WS_VISIBLE : 0);
        // Made where the design puts it, in its font: placing it afterwards
        // would lay every control out twice before the window first shows.
        const TwipsRect rect = absoluteRect(layout_, *control);
        const HWND child = CreateWindowExW(cls.exStyle, cls.className, widen(std::string(control->text)).c_str(),
                                           style, twipsToPixels(rect.left, dpi_), twipsToPixels(rect.top, dpi_),
                                           twipsToPixels(rect.width, dpi_), twipsToPixels(rect.height, dpi_), hwnd(),
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)),
                                           GetModuleHandleW(nullptr), nullptr);
        if (!child) fail(describeError(GetLastError()));
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(control->font)), FALSE);
        if (control->kind == ControlKind::ListView)
            SendMessageW(child, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        SetWindowSubclass(child, &FormWindow::childProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
        children_[control->id] = child;
    }
}

std::string FormWindow::accessKeys() const
{
    std::string keys;
    for (const ControlLayout& control : layout_.controls) {
        const std::string_view text = control.text;
        std::size_t amp = text.find('&');
        while (amp != std::string_view::npos && amp + 1 < text.size() && text[amp + 1] == '&')
            amp = text.find('&', amp + 2);
        if (amp != std::string_view::npos && amp + 1 < text.size())
            keys += static_cast<char>(std::toupper(static_cast<unsigned char>(text[amp + 1])));
    }
    return keys;
}

HFONT FormWindow::font(const FontSpec& design)
{
    const std::wstring face = widen(std::string(design.face));
    auto& slot = fonts_[{face, design.hundredthsOfPoint, design.bold}];
    if (!slot) {
        const int height = -MulDiv(design.hundredthsOfPoint, dpi_, 7200);
        slot.reset(CreateFontW(height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               face.c_str()));
    }
    return slot.get();
}

void FormWindow::applyLayout()
{
    // Fonts of the old DPI stay alive until every control has its new one.
    auto oldFonts = std::move(fonts_);
    fonts_.clear();
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font(layout_.font)), FALSE);
    for (const auto& control : layout_.controls) {
        const TwipsRect rect = absoluteRect(layout_, control);
        const HWND child = children_.at(control.id);
        SetWindowPos(child, nullptr, twipsToPixels(rect.left, dpi_), twipsToPixels(rect.top, dpi_),
                     twipsToPixels(rect.width, dpi_), twipsToPixels(rect.height, dpi_),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(control.font)), TRUE);
    }
    for (const auto& control : controls_) control->setDpi(dpi_);
}

SIZE FormWindow::layoutSize(int dpi) const
{
    RECT frame{0, 0, twipsToPixels(layout_.clientWidth, dpi), twipsToPixels(layout_.clientHeight, dpi)};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi));
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void FormWindow::sizeToLayout()
{
    const SIZE size = layoutSize(dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::centre()
{
    RECT window{};
    GetWindowRect(hwnd(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    // An owned window (Help) goes to the screen its owner is on; a window
    // made at the default position is on the primary one.
    const HWND owner = GetWindow(hwnd(), GW_OWNER);
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int x = work.left + std::max(0L, ((work.right - work.left) - width) / 2);
    const int y = work.top + std::max(0L, ((work.bottom - work.top) - height) / 2);
    SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Timer& FormWindow::timer(UINT_PTR id)
{
    auto& slot = timers_[id];
    if (!slot) slot = std::make_unique<Win32Timer>(hwnd(), id);
    return *slot;
}

void FormWindow::rememberFocus()
{
    const HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) focus_ = focus;
}

void FormWindow::restoreFocus()
{
    // The control that had it, else the first in tab order (the window list).
    HWND target = focus_ && IsWindow(focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_) ? focus_ : nullptr;
    if (!target) target = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    if (target) SetFocus(target);
}

void FormWindow::nextDialogControl(WPARAM which, bool given)
{
    if (given) {
        const auto control = reinterpret_cast<HWND>(which);
        if (control && IsChild(hwnd(), control) &&
            (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_STATIC))
            SetFocus(control);
        return;
    }
    const HWND focus = GetFocus();
    const HWND next = GetNextDlgTabItem(hwnd(), focus && IsChild(hwnd(), focus) ? focus : nullptr, which != 0);
    if (!next) return;
    SetFocus(next);
    // Into a field with its text selected, as Tab leaves it.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
}

RoutedControl* FormWindow::routeFor(HWND child) const
{
    const auto it = routes_.find(GetDlgCtrlID(child));
    return it == routes_.end() ? nullptr : it->second;
}

WindowHandle FormWindow::handle() const { return fromHwnd(hwnd()); }
std::string FormWindow::caption() const { return windowText(hwnd()); }
void FormWindow::setCaption(const std::string& text) { SetWindowTextW(hwnd(), widen(text).c_str()); }

void FormWindow::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    // Show the new shape at once rather than at the next mouse move.
    POINT at{};
    GetCursorPos(&at);
    if (WindowFromPoint(at) == hwnd() || IsChild(hwnd(), WindowFromPoint(at)))
        SendMessageW(hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void FormWindow::setBackColor(Color color)
{
    background_.set(color);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

WindowState FormWindow::windowState() const
{
    return IsIconic(hwnd()) && !restoreWhenShown_ ? WindowState::Minimized : WindowState::Normal;
}

void FormWindow::setWindowState(WindowState state)
{
    if (state == WindowState::Minimized) {
        restoreWhenShown_ = false;
        ShowWindow(hwnd(), SW_MINIMIZE);
    } else if (IsIconic(hwnd())) {
        // Restoring a hidden window would show it: it is restored when shown.
        if (IsWindowVisible(hwnd()))
            ShowWindow(hwnd(), SW_RESTORE);
        else
            restoreWhenShown_ = true;
    }
}

bool FormWindow::visible() const { return IsWindowVisible(hwnd()) != FALSE; }

void FormWindow::setVisible(bool value)
{
    if (value && restoreWhenShown_) {
        restoreWhenShown_ = false;
        ShowWindow(hwnd(), SW_RESTORE);
        return;
    }
    ShowWindow(hwnd(), value ? SW_SHOW : SW_HIDE);
}

void FormWindow::setFocus()
{
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
    // Already active, the window got no activation to restore the focus with.
    if (GetActiveWindow() == hwnd()) restoreFocus();
}

void FormWindow::loadCustomPointer(const std::string& path)
{
    const HANDLE cursor = LoadImageW(nullptr, widen(path).c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE);
    if (!cursor) fail("Invalid picture");
    customCursor_.reset(static_cast<HCURSOR>(cursor));
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const std::optional<LRESULT> answer = answerMessage(message, wParam, lParam);
    return answer ? *answer : defaultProc(message, wParam, lParam);
}

// Each message's parameters are taken apart here, once; the members that
// answer them get their meaning. No answer leaves the message to the default.
std::optional<LRESULT> FormWindow::answerMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return commandMessage(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
        return notifyMessage(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_TIMER:
        return timerMessage(wParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return controlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        return eraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        return setCursorShape(LOWORD(lParam));
    case WM_MOUSEMOVE:
        if (onMouseMove) onMouseMove();
        return 0;
    case WM_SIZE:
        if (onResize) onResize();
        return 0;
    case WM_GETDPISCALEDSIZE:
        return dpiScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        return dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_CLOSE:
    case WM_ENDSESSION:
    case WM_DESTROY:
        return lifecycleMessage(message, wParam != 0);
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_NEXTDLGCTL:
        return focusMessage(message, wParam, lParam);
    default:
        return onOtherMessage ? onOtherMessage(message, wParam, lParam) : std::nullopt;
    }
}

std::optional<LRESULT> FormWindow::commandMessage(WORD id, WORD code, HWND child)
{
    if (child) {
        if (RoutedControl* route = routeFor(child)) route->command(code);
        return 0;
    }
    // Enter and Escape, as the dialog navigation translates them.
    if (onDialogCommand && (id == IDOK || id == IDCANCEL)) {
        onDialogCommand(id);
        return 0;
    }
    return std::nullopt;
}

std::optional<LRESULT> FormWindow::notifyMessage(const NMHDR& header)
{
    if (RoutedControl* route = routeFor(header.hwndFrom)) return route->notify(header);
    return std::nullopt;
}

std::optional<LRESULT> FormWindow::timerMessage(UINT_PTR id)
{
    const auto it = timers_.find(id);
    if (it == timers_.end()) return std::nullopt;
    it->second->tick();
    return 0;
}

LRESULT FormWindow::controlColors(HDC dc, HWND child)
{
    if (RoutedControl* route = routeFor(child))
        if (HBRUSH brush = route->backgroundBrush(dc)) return reinterpret_cast<LRESULT>(brush);
    SetBkColor(dc, background_.rgb());
    return reinterpret_cast<LRESULT>(background_.brush());
}

LRESULT FormWindow::eraseBackground(HDC dc)
{
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, background_.brush());
    return 1;
}

std::optional<LRESULT> FormWindow::setCursorShape(WORD hitTest)
{
    if (hitTest != HTCLIENT || pointer_ == MousePointer::Default) return std::nullopt;
    if (pointer_ == MousePointer::Hourglass)
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    else
        SetCursor(customCursor_ ? customCursor_.get() : LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
}

LRESULT FormWindow::dpiScaledSize(int newDpi, SIZE& size) const
{
    // The size the design has at the new DPI, so that the rectangle the
    // system then suggests fits the window exactly.
    size = layoutSize(newDpi);
    return TRUE;
}

LRESULT FormWindow::dpiChanged(int newDpi, const RECT& suggested)
{
    dpi_ = newDpi;
    applyLayout();
    // The suggested rectangle, in one move: the system chose it to keep the
    // window under the pointer and on the monitor it moved to.
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

std::optional<LRESULT> FormWindow::lifecycleMessage(UINT message, bool flag)
{
    switch (message) {
    case WM_CLOSE:
        if (!onClose) return std::nullopt;
        onClose();
        return 0;
    case WM_ENDSESSION:
        // Logging off or shutting down (the flag): the process ends after
        // this, so the shutdown runs now.
        if (flag && onClose) onClose();
        return 0;
    default:  // WM_DESTROY
        // Only stopped: a tick can be on the stack below this message (its
        // error box dispatched the close), and it goes on using its timer.
        for (auto& [id, timer] : timers_) timer->ownerGone();
        if (onDestroyed) onDestroyed();
        return 0;
    }
}

std::optional<LRESULT> FormWindow::focusMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        // As a dialog box does: the control that had the keyboard focus gets
        // it back when the window is active again (the default would give it
        // to the window itself, where the arrow keys do nothing).
        if (LOWORD(wParam) == WA_INACTIVE) {
            rememberFocus();
            return std::nullopt;
        }
        if (HIWORD(wParam)) return std::nullopt;  // activated while minimised
        restoreFocus();
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    default:  // WM_NEXTDLGCTL
        // A label's access key (Alt+letter): the dialog navigation puts the
        // focus on the label, then asks for the next control in tab order.
        // The window's own procedure has to do both, as a dialog box's does.
        // Other requests (the arrow keys' move to a group neighbour) stay
        // unanswered, as before.
        nextDialogControl(wParam, lParam != 0);
        return 0;
    }
}

LRESULT CALLBACK FormWindow::childProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self)
{
    auto* form = reinterpret_cast<FormWindow*>(self);
    const auto result = guarded([&] { return form->childLocation(hwnd); },
                                [&] { return form->childMessage(hwnd, message, wParam, lParam); });
    return result ? *result : DefSubclassProc(hwnd, message, wParam, lParam);
}

std::string FormWindow::childLocation(HWND child) const
{
    for (const ControlLayout& control : layout_.controls)
        if (control.id == GetDlgCtrlID(child)) return std::string(layout_.name) + "." + std::string(control.name);
    return std::string(layout_.name);
}

LRESULT FormWindow::childMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    RoutedControl* const route = routeFor(hwnd);
    if (route)
        if (const std::optional<LRESULT> answer = route->childMessage(message, wParam, lParam)) return *answer;
    switch (message) {
    case WM_MOUSEMOVE:
        if (route) route->mouseMoved();
        break;
    case WM_GETDLGCODE:
        // A multi-line edit asks for every key, Tab included; let Tab move the
        // focus on as it does everywhere else in the window. Escape too: an
        // edit that was asked this takes itself for a dialog's and answers
        // Escape by posting WM_CLOSE to its parent, which would end the
        // program. Left to the window, Escape becomes an IDCANCEL that only
        // a window with a cancel action (Help) acts on.
        if (lParam) {
            const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
            if (msg.message == WM_KEYDOWN && (msg.wParam == VK_TAB || msg.wParam == VK_ESCAPE)) {
                const LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
                return code & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
            }
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace mw::win32
