#pragma once
#include <array>

#include "platform/form_layout.h"

namespace mw {

// The sequence editor's design: at the left the sequence (name, keys,
// interval, hotkey and the numbers that shape its turns), at the right its
// target (a drop-down of the open windows, the finder tool and the rule's
// three fields); a label with an access key before each field, tab order in
// the order OK checks the fields; OK (Enter) and Cancel (Escape).
const FormLayout& sequenceEditorLayout();

namespace editor_id {
inline constexpr int kName = 4102;
inline constexpr int kKeys = 4104;
inline constexpr int kOneKey = 4107;
inline constexpr int kWindows = 4111;
inline constexpr int kFinder = 4112;
inline constexpr int kProgram = 4115;
inline constexpr int kTitle = 4117;
inline constexpr int kClass = 4119;
inline constexpr int kHotkey = 4121;
// The number fields, in the order of kSequenceNumbers (Every first).
inline constexpr std::array<int, 6> kNumbers{4106, 4123, 4125, 4127, 4129, 4131};
inline constexpr int kBackground = 4132;
// The identifiers the dialog navigation sends for Enter and Escape.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
}  // namespace editor_id

}  // namespace mw
