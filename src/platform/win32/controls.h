#pragma once
// The Win32 controls behind the control interfaces. Each wraps a child window
// that its parent form owns and destroys; the control objects only borrow the
// handle. Notifications reach them through the form's one router.
#include <map>
#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/paced_timer.h"
#include "platform/win32/unique_handle.h"

namespace mw::win32 {

// A child control as the form's router sees it.
class RoutedControl {
public:
    virtual ~RoutedControl() = default;
    // The window moved to a monitor of another dots-per-inch.
    virtual void setDpi(int /*dpi*/) {}
    virtual void command(WORD /*code*/) {}
    virtual LRESULT notify(const NMHDR& /*header*/) { return 0; }
    virtual void mouseMoved() {}
    // The brush for WM_CTLCOLORSTATIC, or null for the default.
    virtual HBRUSH backgroundBrush(HDC /*dc*/) { return nullptr; }
    // A message to the control's own window, before the control has it; an
    // answer keeps it from the control.
    virtual std::optional<LRESULT> childMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
    {
        return std::nullopt;
    }
};

// A colour's brush, owned, made when it is first painted with and again
// after the colour changes.
class ColorBrush {
public:
    void set(Color color);
    Color color() const { return color_; }
    HBRUSH brush() const;
    COLORREF rgb() const;

private:
    Color color_ = kWhite;
    // A cache of the colour, not part of the value: filled by brush().
    mutable UniqueBrush solid_;
};

class Win32Button final : public Button, public RoutedControl {
public:
    explicit Win32Button(HWND hwnd) : hwnd_(hwnd) {}
    std::string caption() const override;
    void setCaption(const std::string& text) override;
    bool enabled() const override;
    void setEnabled(bool enabled) override;
    void command(WORD code) override;
    void mouseMoved() override;

private:
    HWND hwnd_;
};

class Win32Frame final : public Frame, public RoutedControl {
public:
    explicit Win32Frame(HWND hwnd) : hwnd_(hwnd) {}
    std::string caption() const override;
    void setCaption(const std::string& text) override;
    void setBackColor(Color color) override;
    Color backColor() const override { return brush_.color(); }
    void mouseMoved() override;
    HBRUSH backgroundBrush(HDC dc) override;

private:
    HWND hwnd_;
    ColorBrush brush_;
};

class Win32Label final : public Label, public RoutedControl {
public:
    explicit Win32Label(HWND hwnd) : hwnd_(hwnd) {}
    std::string caption() const override;
    void setCaption(const std::string& text) override;
    void setBackColor(Color color) override;
    Color backColor() const override { return brush_.color(); }
    HBRUSH backgroundBrush(HDC dc) override;

private:
    HWND hwnd_;
    ColorBrush brush_;
};

class Win32CheckBox final : public CheckBox, public RoutedControl {
public:
    explicit Win32CheckBox(HWND hwnd) : hwnd_(hwnd) {}
    bool checked() const override;
    void setChecked(bool checked) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void setBackColor(Color color) override;
    Color backColor() const override { return brush_.color(); }
    void command(WORD code) override;
    HBRUSH backgroundBrush(HDC dc) override;

private:
    HWND hwnd_;
    ColorBrush brush_;
};

class Win32TextBox final : public TextBox, public RoutedControl {
public:
    explicit Win32TextBox(HWND hwnd);
    std::string text() const override;
    void setText(const std::string& text) override;
    void setFocus() override;
    void showBalloon(const std::string& title, const std::string& text) override;
    void hideBalloon() override;
    void command(WORD code) override;

private:
    // A balloon tooltip of the program's own, where the edit control shows
    // none (Wine's, or one before comctl32 6).
    void showOwnBalloon(const std::wstring& title, const std::wstring& text);
    void hideOwnBalloon();

    HWND hwnd_;
    bool settingText_ = false;
    HWND ownBalloon_ = nullptr;  // owned by the box's window, destroyed with it
};

// The hotkey control (msctls_hotkey32): the user presses the combination.
// Tab, Enter and Escape never reach it (the dialog navigation takes them as it
// does everywhere in the window); Backspace and Delete empty it.
class Win32HotkeyBox final : public HotkeyBox, public RoutedControl {
public:
    // accessKeys: the window's access keys (upper case), which Alt moves to
    // their fields with from this one too.
    Win32HotkeyBox(HWND hwnd, std::string accessKeys);
    std::optional<HotkeyCombination> combination() const override;
    void setCombination(const std::optional<HotkeyCombination>& combination) override;
    void setFocus() override { SetFocus(hwnd_); }
    std::optional<LRESULT> childMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::optional<LRESULT> keyDown(WORD key);
    HWND hwnd_;
    std::string accessKeys_;
    // What the control held when the first modifier of the keys now down was
    // pressed: the control empties itself until a key comes with them.
    std::optional<WORD> beforeModifiers_;
};

class Win32ProgressBar final : public ProgressBar, public RoutedControl {
public:
    explicit Win32ProgressBar(HWND hwnd) : hwnd_(hwnd) {}
    int max() const override;
    void setMax(int max) override;
    int value() const override;
    void setValue(int value) override;

private:
    HWND hwnd_;
};

// The text of a list view's cell (row from 0, column 0 the item itself),
// whatever its length.
std::string listViewCell(HWND list, int row, int column);

class Win32ListView final : public ListView, public RoutedControl {
public:
    Win32ListView(HWND hwnd, int dpi) : hwnd_(hwnd), dpi_(dpi) {}
    void addColumn(const std::string& caption) override;
    void setColumnWidth(int column, int twips) override;
    void clear() override;
    int count() const override;
    void setSubItem(int position, const std::string& text) override;
    std::string text(int position) const override;
    std::string subItem(int position) const override;
    LRESULT notify(const NMHDR& header) override;
    void mouseMoved() override;
    // Re-applies the column widths at a new dots-per-inch.
    void setDpi(int dpi) override;

protected:
    int appendRow(const std::string& text) override;
    int selectedRow() const override;
    void selectRow(int position) override;

private:
    std::string cell(int position, int column) const;
    HWND hwnd_;
    int dpi_;
    int columns_ = 0;
    std::map<int, int> widthsTwips_;
    bool selecting_ = false;
};

// The form's timer: WM_TIMER with this identifier reaches tick(). Each tick is
// re-armed against the monotonic clock, so the system timer's rounding does
// not accumulate over a long run.
class Win32Timer final : public Timer {
public:
    Win32Timer(HWND owner, UINT_PTR id) : owner_(owner), id_(id) {}
    ~Win32Timer() override;
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    void tick();
    UINT_PTR id() const { return id_; }
    // The window is being destroyed: the timer stops for good, while a tick
    // that is still running may go on using this object.
    void ownerGone();

private:
    HWND owner_;
    UINT_PTR id_;
    int interval_ = 0;
    std::optional<PacedSchedule> schedule_;
    unsigned generation_ = 0;
};

}  // namespace mw::win32
