#pragma once
// In-memory controls for tests: they hold their state and raise their events
// as the real controls do, plus helpers to act as the user.
#include <optional>
#include <string>
#include <utility>

#include "platform/controls.h"
#include "platform/failure.h"
#include "sim/event_hook.h"

namespace mw::sim {

class SimForm final : public Form {
public:
    explicit SimForm(WindowHandle handle = 0x10010) : handle_(handle) {}
    WindowHandle handle() const override { return handle_; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override { caption_ = text; }
    MousePointer mousePointer() const override { return pointer_; }
    void setMousePointer(MousePointer pointer) override { pointer_ = pointer; }
    void setBackColor(Color color) override { backColor_ = color; }
    Color backColor() const override { return backColor_; }
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override
    {
        state_ = state;
        if (onResize) onResize();
    }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void setFocus() override { ++focusRequests; }
    void loadCustomPointer(const std::string& path) override
    {
        if (failPointerLoad) throw Failure("Invalid picture");
        customPointerPath = path;
    }
    void close() override { ++closeRequests; }

    int closeRequests = 0;
    int focusRequests = 0;
    bool failPointerLoad = false;
    std::string customPointerPath;

private:
    WindowHandle handle_;
    std::string caption_ = "Form1";
    MousePointer pointer_ = MousePointer::Default;
    Color backColor_ = kWhite;
    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
};

class SimButton final : public Button {
public:
    explicit SimButton(std::string caption = {}) : caption_(std::move(caption)) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override { caption_ = text; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    // As the user: a disabled button takes no click.
    void click()
    {
        if (enabled_ && onClick) onClick();
        eventHandled();
    }

private:
    std::string caption_;
    bool enabled_ = true;
};

// A captioned control with a background colour: a frame or a label.
template <class Interface>
class SimCaptioned final : public Interface {
public:
    explicit SimCaptioned(std::string caption = {}) : caption_(std::move(caption)) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override { caption_ = text; }
    void setBackColor(Color color) override { backColor_ = color; }
    Color backColor() const override { return backColor_; }

private:
    std::string caption_;
    Color backColor_ = kWhite;
};
using SimFrame = SimCaptioned<Frame>;
using SimLabel = SimCaptioned<Label>;

class SimCheckBox final : public CheckBox {
public:
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }
    // The user clicks the box: it toggles, then tells.
    void click()
    {
        checked_ = !checked_;
        if (onClick) onClick();
        eventHandled();
    }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void setBackColor(Color color) override { backColor_ = color; }
    Color backColor() const override { return backColor_; }

private:
    bool checked_ = false;
    bool visible_ = true;
    Color backColor_ = kWhite;
};

class SimTextBox final : public TextBox {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override
    {
        if (text == text_) return;
        text_ = text;
        if (onChange) onChange();
    }
    void setFocus() override { ++focusRequests; }
    void showBalloon(const std::string& title, const std::string& text) override { balloon = Balloon{title, text}; }
    void hideBalloon() override { balloon.reset(); }

    struct Balloon {
        std::string title;
        std::string text;
    };
    int focusRequests = 0;
    std::optional<Balloon> balloon;  // the one up

private:
    std::string text_;
};

class SimHotkeyBox final : public HotkeyBox {
public:
    std::optional<HotkeyCombination> combination() const override { return combination_; }
    void setCombination(const std::optional<HotkeyCombination>& combination) override { combination_ = combination; }
    void setFocus() override
    {
        ++focusRequests;
        focus(true);
    }
    // The user presses a combination into the field, or empties it (none).
    void press(const std::optional<HotkeyCombination>& combination) { combination_ = combination; }
    // The focus comes or goes, as the window system tells the field.
    void focus(bool focused)
    {
        if (focused == focused_) return;
        focused_ = focused;
        if (onFocusChange) onFocusChange(focused);
    }

    int focusRequests = 0;

private:
    std::optional<HotkeyCombination> combination_;
    bool focused_ = false;
};

class SimProgressBar final : public ProgressBar {
public:
    int max() const override { return max_; }
    void setMax(int max) override { max_ = max; }
    int value() const override { return value_; }
    void setValue(int value) override { value_ = value; }

private:
    int max_ = 100;
    int value_ = 0;
};

class SimTimer final : public Timer {
public:
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    // Delivers one tick, as the platform does while the timer runs.
    void tick()
    {
        if (onTick) onTick();
        eventHandled();
    }

private:
    int interval_ = 0;
};

}  // namespace mw::sim
