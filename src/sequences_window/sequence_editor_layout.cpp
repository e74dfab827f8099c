#include "sequences_window/sequence_editor_layout.h"

namespace mw {
namespace {

using K = ControlKind;
constexpr FontSpec kText = kArial9Bold;
constexpr FontSpec kButton = kArial1125Bold;
namespace id = editor_id;

constexpr int rowTop(int row) { return 180 + 450 * row; }

// The left column: a label, and its field at the right of it.
constexpr ControlLayout label(const char* name, const char* text, int top, int width, int tab, int controlId)
{
    return {name, K::Label, "", text, 180, top + 45, width, 285, tab, kText, true, controlId};
}
constexpr ControlLayout field(const char* name, K kind, int left, int top, int width, int height, int tab, int controlId)
{
    return {name, kind, "", "", left, top, width, height, tab, kText, true, controlId};
}
// A number field of the left column, with its range in its label.
constexpr ControlLayout numberLabel(const char* name, const char* text, int row, int tab, int controlId)
{
    return label(name, text, rowTop(row), 4500, tab, controlId);
}
constexpr ControlLayout numberField(const char* name, int row, int tab, int controlId)
{
    return field(name, K::EditBox, 4740, rowTop(row), 1080, 330, tab, controlId);
}
// Inside the Target frame: a label, and its field at the right of it.
constexpr ControlLayout targetLabel(const char* name, const char* text, int top, int tab, int controlId)
{
    return {name, K::Label, "Target", text, 180, top + 45, 1020, 285, tab, kText, true, controlId};
}
constexpr ControlLayout targetField(const char* name, int top, int tab, int controlId)
{
    return {name, K::EditBox, "Target", "", 1260, top, 2880, 330, tab, kText, true, controlId};
}

constexpr std::array kControls{
    label("NameLabel", "&Name:", rowTop(0), 900, 0, 4101),
    field("Name", K::EditBox, 1140, rowTop(0), 4680, 330, 1, id::kName),
    label("KeysLabel", "&Keys:", rowTop(1), 900, 2, 4103),
    field("Keys", K::TextBox, 1140, rowTop(1), 4680, 1230, 3, id::kKeys),
    numberLabel("EveryLabel", "&Every (1 to 86400 seconds):", 4, 4, 4105),
    numberField("Every", 4, 5, id::kNumbers[0]),
    ControlLayout{"OneKey", K::CheckBox, "", "One key a t&urn, not the whole text", 180, rowTop(5), 5640, 285, 6,
                  kText, true, id::kOneKey},
    ControlLayout{"Target", K::Frame, "", "Target", 6000, 120, 4320, 3030, 7, kText, true, 4108},
    targetLabel("WindowsLabel", "&Window:", 315, 8, 4110),
    ControlLayout{"Windows", K::DropDown, "Target", "", 1260, 315, 2880, 2550, 9, kText, true, id::kWindows},
    ControlLayout{"Finder", K::FinderTool, "Target", "", 180, 810, 480, 480, 10, kText, true, id::kFinder},
    ControlLayout{"FinderNote", K::Label, "Target", "Or drag the finder onto a window.", 780, 915, 3360, 285, 11, kText, true,
     4113},
    targetLabel("ProgramLabel", "&Program:", 1485, 12, 4114),
    targetField("Program", 1485, 13, id::kProgram),
    targetLabel("TitleLabel", "&Title:", 1935, 14, 4116),
    targetField("Title", 1935, 15, id::kTitle),
    targetLabel("ClassLabel", "C&lass:", 2385, 16, 4118),
    targetField("Class", 2385, 17, id::kClass),
    ControlLayout{"RuleNote", K::Label, "", "In the title * stands for any text and ? for one character; an empty title or "
     "class stands for any.", 6000, 3240, 4320, 735, 18, kText, true, 4133},
    label("HotkeyLabel", "H&otkey (Backspace: none):", rowTop(6), 2220, 19, 4120),
    field("Hotkey", K::HotkeyBox, 2460, rowTop(6), 3360, 330, 20, id::kHotkey),
    numberLabel("JitterLabel", "&Jitter (0 to 3600 seconds):", 7, 21, 4122),
    numberField("Jitter", 7, 22, id::kNumbers[1]),
    numberLabel("StopAfterTurnsLabel", "Stop after tu&rns (0 to 1000000; 0: never):", 8, 23, 4124),
    numberField("StopAfterTurns", 8, 24, id::kNumbers[2]),
    numberLabel("StopAfterMinutesLabel", "Stop after &minutes (0 to 10080; 0: never):", 9, 25, 4126),
    numberField("StopAfterMinutes", 9, 26, id::kNumbers[3]),
    numberLabel("KeyDelayLabel", "&Delay between keys (0 to 10000 ms):", 10, 27, 4128),
    numberField("KeyDelay", 10, 28, id::kNumbers[4]),
    numberLabel("KeyHoldLabel", "&Hold each key (0 to 1000 ms):", 11, 29, 4130),
    numberField("KeyHold", 11, 30, id::kNumbers[5]),
    ControlLayout{"Background", K::CheckBox, "", "Type in the &background", 6000, 4080,
                  4320, 285, 31, kText, true, id::kBackground},
    ControlLayout{"OK", K::DefaultButton, "", "OK", 7200, 5220, 1500, 405, 32, kButton, true, id::kOk},
    ControlLayout{"Cancel", K::PushButton, "", "Cancel", 8820, 5220, 1500, 405, 33, kButton, true, id::kCancel},
};

constexpr FormLayout kEditor{"SequenceEditor", "New Sequence", 10500, 5805, kText, kControls};

}  // namespace

const FormLayout& sequenceEditorLayout() { return kEditor; }

}  // namespace mw
