#pragma once
// Thin interfaces of the controls that the handlers touch. The handlers only
// talk to these, so every handler runs in a unit test against the simulated
// controls, and the Win32 controls stay free of logic.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "global_hotkey.h"
#include "window_handle.h"

namespace mw {

// Mouse pointer kinds, numbered as the runtime numbers them.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

enum class WindowState { Normal, Minimized };

// A colour: an RGB value, or a system colour index when the high bit is set.
using Color = std::uint32_t;
inline constexpr Color kWhite = 0x00FFFFFF;
inline constexpr Color kButtonFace = 0x8000000F;

// A control whose background colour the program sets (the recolouring to
// the button-face colour applies to these kinds).
class BackColored {
public:
    virtual ~BackColored() = default;
    virtual void setBackColor(Color color) = 0;
    virtual Color backColor() const = 0;
};

class Form : public BackColored {
public:
    virtual ~Form() = default;
    virtual WindowHandle handle() const = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    virtual MousePointer mousePointer() const = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setFocus() = 0;
    // Loads a cursor file as the picture of the custom pointer; fails when the
    // file is not a cursor.
    virtual void loadCustomPointer(const std::string& path) = 0;
    // Closes (unloads) the window.
    virtual void close() = 0;
    std::function<void()> onMouseMove;
    std::function<void()> onResize;
};

class Button {
public:
    virtual ~Button() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    std::function<void()> onClick;
    std::function<void()> onMouseMove;
};

class Frame : public BackColored {
public:
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    std::function<void()> onMouseMove;
};

class Label : public BackColored {
public:
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
};

class CheckBox : public BackColored {
public:
    virtual bool checked() const = 0;
    // Shows the value; only the user's click raises onClick.
    virtual void setChecked(bool checked) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    std::function<void()> onClick;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
    // Raises onChange when the content actually changes.
    virtual void setText(const std::string& text) = 0;
    // Gives it the keyboard focus with its whole text selected, so that what
    // the user types next replaces it.
    virtual void setFocus() = 0;
    // A balloon tip pointing at the box, with a title and a text, as the box
    // shows one for text it cannot take; another replaces it. The user can
    // dismiss it too.
    virtual void showBalloon(const std::string& title, const std::string& text) = 0;
    // Takes a balloon that is up away; nothing when none is.
    virtual void hideBalloon() = 0;
    std::function<void()> onChange;
};

// A field the user presses a key combination into; it holds one combination
// or nothing.
class HotkeyBox {
public:
    virtual ~HotkeyBox() = default;
    // What the field shows; none when it is empty.
    virtual std::optional<HotkeyCombination> combination() const = 0;
    virtual void setCombination(const std::optional<HotkeyCombination>& combination) = 0;
    virtual void setFocus() = 0;
    // The field got (true) or lost (false) the keyboard focus.
    std::function<void(bool focused)> onFocusChange;
};

class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual int max() const = 0;
    virtual void setMax(int max) = 0;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    // 0 means stopped.
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    std::function<void()> onTick;
};

}  // namespace mw
