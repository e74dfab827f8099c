#pragma once
// A window's design as data: its client size, font and controls with their
// positions in twips. The Win32 builder creates the real window from it and
// tests check it, so the design lives in one place.
#include <span>
#include <string_view>

namespace mw {

// TextBox is the multi-line key box; EditBox a single-line field; HotkeyBox
// a field the user presses a key combination into. A DefaultButton is the
// push button that Enter presses. A DropDown is a list to pick one line
// from, its height the height it drops down to; a FinderTool the icon the
// user drags onto a window.
enum class ControlKind {
    Frame,
    ProgressBar,
    ListView,
    PushButton,
    DefaultButton,
    TextBox,
    EditBox,
    HotkeyBox,
    CheckBox,
    Label,
    DropDown,
    FinderTool
};

struct FontSpec {
    std::string_view face;
    int hundredthsOfPoint;  // 900 is 9 pt, 1125 is 11.25 pt
    bool bold;
};

inline constexpr FontSpec kArial9Bold{"Arial", 900, true};
inline constexpr FontSpec kArial1125Bold{"Arial", 1125, true};

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // empty: the form; else the frame holding it
    std::string_view text;
    int left, top, width, height;  // twips, relative to the container
    int tabIndex;
    FontSpec font;
    bool visible;
    int id;  // the Win32 control identifier
};

struct FormLayout {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    FontSpec font;
    std::span<const ControlLayout> controls;
};

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at a given dots-per-inch, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                        : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

// A control's position relative to the form, adding its frame's offset.
struct TwipsRect {
    int left, top, width, height;
};
TwipsRect absoluteRect(const FormLayout& form, const ControlLayout& control);
const ControlLayout* findControl(const FormLayout& form, std::string_view name);

}  // namespace mw
