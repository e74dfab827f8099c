#pragma once
#include <array>

#include "platform/form_layout.h"

namespace mw {

// The Options dialog's design: a label before each field, top to bottom in
// tab order, the two on/off boxes with the note on background typing, and
// OK (pressed by Enter) and Cancel (pressed by Escape).
const FormLayout& optionsLayout();

namespace options_id {
inline constexpr int kHotkey = 3002;
// The number fields and their labels, in the order of kNumberOptions.
inline constexpr std::array<int, 6> kNumberLabels{3011, 3013, 3015, 3017, 3019, 3021};
inline constexpr std::array<int, 6> kNumberFields{3012, 3014, 3016, 3018, 3020, 3022};
// The on/off boxes, in the order of kSwitchOptions.
inline constexpr std::array<int, 2> kSwitches{3031, 3032};
inline constexpr int kBackgroundNote = 3033;
// The identifiers the dialog navigation sends for Enter and Escape (IDOK,
// IDCANCEL): the keys press these buttons.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
}  // namespace options_id

}  // namespace mw
