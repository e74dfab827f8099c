#include "main_window/options_layout.h"

namespace mw {
namespace {

using K = ControlKind;
constexpr FontSpec kText = kArial9Bold;
constexpr FontSpec kButton = kArial1125Bold;
namespace id = options_id;

// A field's row: the label at the left, the field at the right.
constexpr int kLabelLeft = 180, kLabelWidth = 5100, kFieldLeft = 5400, kFieldWidth = 1800;
constexpr int kFieldHeight = 330, kLabelHeight = 285;
constexpr int rowTop(int row) { return 180 + 450 * row; }

constexpr ControlLayout label(const char* name, const char* text, int row, int tab, int controlId)
{
    return {name, K::Label, "", text, kLabelLeft, rowTop(row) + 45, kLabelWidth, kLabelHeight, tab, kText, true,
            controlId};
}
constexpr ControlLayout field(const char* name, int row, int tab, int controlId, ControlKind kind = K::EditBox)
{
    return {name, kind, "", "", kFieldLeft, rowTop(row), kFieldWidth, kFieldHeight, tab, kText, true, controlId};
}

// Each label carries its field's access key; the number fields are named
// after their settings and say their range, which the messages repeat.
constexpr std::array kControls{
    label("HotkeyLabel", "Hot&key (press the keys; Backspace: none):", 0, 0, 3001),
    field("Hotkey", 0, 1, id::kHotkey, K::HotkeyBox),
    label("JitterLabel", "&Jitter (0 to 3600 seconds):", 1, 2, id::kNumberLabels[0]),
    field("Jitter", 1, 3, id::kNumberFields[0]),
    label("StopAfterTurnsLabel", "Stop after &turns (0 to 1000000; 0: never):", 2, 4, id::kNumberLabels[1]),
    field("StopAfterTurns", 2, 5, id::kNumberFields[1]),
    label("StopAfterMinutesLabel", "Stop after &minutes (0 to 10080; 0: never):", 3, 6, id::kNumberLabels[2]),
    field("StopAfterMinutes", 3, 7, id::kNumberFields[2]),
    label("KeyDelayLabel", "&Delay between keys (0 to 10000 ms):", 4, 8, id::kNumberLabels[3]),
    field("KeyDelay", 4, 9, id::kNumberFields[3]),
    label("KeyHoldLabel", "H&old each key (0 to 1000 ms):", 5, 10, id::kNumberLabels[4]),
    field("KeyHold", 5, 11, id::kNumberFields[4]),
    label("WaitForIdleLabel", "&Wait until idle (0 to 600 seconds):", 6, 12, id::kNumberLabels[5]),
    field("WaitForIdle", 6, 13, id::kNumberFields[5]),
    ControlLayout{"GiveFocusBack", K::CheckBox, "", "&Give the focus back after each turn", kLabelLeft, 3420, 7020,
                  285, 14, kText, true, id::kSwitches[0]},
    ControlLayout{"BackgroundTyping", K::CheckBox, "", "Type in the &background, without raising the target",
                  kLabelLeft, 3810, 7020, 285, 15, kText, true, id::kSwitches[1]},
    ControlLayout{"BackgroundNote", K::Label, "",
                  "Programs that read the keyboard directly, as most games do, ignore keys typed in the "
                  "background. Alt combinations reach only programs that read window messages; Ctrl "
                  "combinations need the window in front.",
                  480, 4125, 6720, 735, 16, kText, true, id::kBackgroundNote},
    ControlLayout{"OK", K::DefaultButton, "", "OK", 4080, 5040, 1500, 405, 17, kButton, true, id::kOk},
    ControlLayout{"Cancel", K::PushButton, "", "Cancel", 5700, 5040, 1500, 405, 18, kButton, true, id::kCancel},
};

constexpr FormLayout kOptions{"Options", "Options", 7380, 5625, kText, kControls};

}  // namespace

const FormLayout& optionsLayout() { return kOptions; }

}  // namespace mw
