#pragma once
// The help window's logic: what it shows and how its pointer behaves. It is
// built afresh at every showing.
#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/services.h"
#include "typing/hotkey.h"

namespace mw {

// A row of the list: its "Key" and "Command" columns.
struct HelpRow {
    const char* key;
    const char* command;
};

// The rows below the special keys: the notation's other forms, each with an
// example, and then one row for the hotkey.
inline constexpr std::array<HelpRow, 8> kNotationHelpRows{{
    {"SHIFT + key", "+a"},
    {"CTRL + key", "^c"},
    {"ALT + key", "%f"},
    {"SHIFT + group", "+(abc)"},
    {"Key n times", "{a 10}"},
    {"+ ^ % ~ ( ) { }", "{+} {^} {%} {~} {(} {)} {{} {}}"},
    {"ENTER", "~ or a line break"},
    {"WAIT n ms", "{DELAY 500}"},
}};

// The last row: the hotkey as the program holds it, "Ctrl+Alt+F11 turns
// typing on or off".
inline constexpr const char* kHotkeyHelpKey = "HOTKEY";
std::string hotkeyHelpCommand(const HotkeyStatus& hotkey);

struct Form2Controls {
    Form& form;
    Label& Label1;
    ListView& ListView1;
    Button& PushButton1;
};

class Form2 {
public:
    Form2(const Form2Controls& controls, const Services& services, const HotkeyStatus& hotkey);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    void Form_Load();
    void PushButton1_Click();

private:
    // Over the Close button the hand, over the background and the list the
    // arrow; never replacing the hourglass.
    void pointTo(MousePointer pointer);

    Form2Controls c_;
    Services s_;
    HotkeyStatus hotkey_;
};

}  // namespace mw
