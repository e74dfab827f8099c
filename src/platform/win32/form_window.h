#pragma once
// A top-level window built from a form's design data: it creates the controls
// in tab order, scales twips by the window's real DPI (and again when the DPI
// changes), and is the one place that routes WM_COMMAND, WM_NOTIFY, WM_TIMER
// and the controls' mouse moves to the control objects.
#include <functional>
#include <optional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/controls.h"
#include "platform/form_layout.h"
#include "platform/win32/controls.h"
#include "platform/win32/drop_down.h"
#include "platform/win32/report_list.h"
#include "platform/win32/window_finder.h"
#include "platform/win32/window_class.h"

namespace mw::win32 {

class FormWindow : public WindowClass, public Form {
public:
    struct Style {
        DWORD style;
        DWORD exStyle;
        HWND owner;
    };
    FormWindow(const FormLayout& layout, const Style& style, HICON icon, HICON smallIcon);
    ~FormWindow() override;

    // The child window of a control, by the identifier the layout gives it.
    HWND control(int id) const;
    int dpi() const { return dpi_; }

    // Control objects, created over the child windows and routed by this form.
    Win32Button& button(int id) { return make<Win32Button>(id, control(id)); }
    Win32Frame& frame(int id) { return make<Win32Frame>(id, control(id)); }
    Win32Label& label(int id) { return make<Win32Label>(id, control(id)); }
    Win32CheckBox& checkBox(int id) { return make<Win32CheckBox>(id, control(id)); }
    Win32TextBox& textBox(int id) { return make<Win32TextBox>(id, control(id)); }
    Win32HotkeyBox& hotkeyBox(int id) { return make<Win32HotkeyBox>(id, control(id), accessKeys()); }
    Win32ProgressBar& progressBar(int id) { return make<Win32ProgressBar>(id, control(id)); }
    Win32ListView& listView(int id) { return make<Win32ListView>(id, control(id), dpi_); }
    Win32ReportList& reportList(int id) { return make<Win32ReportList>(id, control(id), dpi_); }
    Win32DropDownList& dropDown(int id) { return make<Win32DropDownList>(id, control(id)); }
    Win32WindowFinder& finder(int id) { return make<Win32WindowFinder>(id, control(id)); }
    Win32Timer& timer(UINT_PTR id);

    // Centres the window on its monitor's work area.
    void centre();

    // Form
    WindowHandle handle() const override;
    std::string caption() const override;
    void setCaption(const std::string& text) override;
    MousePointer mousePointer() const override { return pointer_; }
    void setMousePointer(MousePointer pointer) override;
    void setBackColor(Color color) override;
    Color backColor() const override { return background_.color(); }
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void setFocus() override;
    void loadCustomPointer(const std::string& path) override;
    // As the close box does: the window's onClose decides, by default it goes.
    void close() override { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

    // The close box or Alt+F4; the default destroys the window.
    std::function<void()> onClose;
    std::function<void()> onDestroyed;
    // Enter (IDOK) and Escape (IDCANCEL) pressed in the window.
    std::function<void(int id)> onDialogCommand;
    // Any other message; the answer when it was handled.
    std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)> onOtherMessage;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    template <class T, class... Args>
    T& make(int id, Args&&... args)
    {
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *object;
        routes_[id] = &ref;
        controls_.push_back(std::move(object));
        return ref;
    }
    void createControls();
    // Lays the controls out again at a new DPI; the window keeps its size.
    void applyLayout();
    // The window's size from the design's client area at a DPI.
    SIZE layoutSize(int dpi) const;
    void sizeToLayout();
    HFONT font(const FontSpec& design);
    // The letters after a single "&" in the controls' texts, upper case.
    std::string accessKeys() const;
    RoutedControl* routeFor(HWND child) const;
    // The window's messages, one member per concern; nullopt leaves the
    // message to the default procedure.
    std::optional<LRESULT> answerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> commandMessage(WORD id, WORD code, HWND child);
    std::optional<LRESULT> notifyMessage(const NMHDR& header);
    std::optional<LRESULT> timerMessage(UINT_PTR id);
    LRESULT controlColors(HDC dc, HWND child);
    LRESULT eraseBackground(HDC dc);
    std::optional<LRESULT> setCursorShape(WORD hitTest);
    LRESULT dpiScaledSize(int newDpi, SIZE& size) const;
    LRESULT dpiChanged(int newDpi, const RECT& suggested);
    // WM_CLOSE, WM_ENDSESSION (flag: the session ends) and WM_DESTROY.
    std::optional<LRESULT> lifecycleMessage(UINT message, bool flag);
    // WM_ACTIVATE, WM_SETFOCUS and WM_NEXTDLGCTL.
    std::optional<LRESULT> focusMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void rememberFocus();
    void restoreFocus();
    // WM_NEXTDLGCTL: the control given (a label only), or the next (which 0)
    // or previous tab stop from the focus.
    void nextDialogControl(WPARAM which, bool given);
    static LRESULT CALLBACK childProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT childMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
    std::string childLocation(HWND child) const;

    const FormLayout& layout_;
    int dpi_ = 96;
    std::map<int, HWND> children_;  // by identifier; owned by this window, destroyed with it
    std::vector<std::unique_ptr<RoutedControl>> controls_;
    std::map<int, RoutedControl*> routes_;
    std::map<UINT_PTR, std::unique_ptr<Win32Timer>> timers_;
    std::map<std::tuple<std::wstring, int, bool>, UniqueFont> fonts_;
    ColorBrush background_;
    MousePointer pointer_ = MousePointer::Default;
    bool restoreWhenShown_ = false;
    HWND focus_ = nullptr;  // the control that had the focus when the window was last active
    UniqueCursor customCursor_;
};

}  // namespace mw::win32
