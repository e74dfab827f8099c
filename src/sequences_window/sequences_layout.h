#pragma once
#include "platform/form_layout.h"

namespace mw {

// The Sequences window's design: the list of sequences above a row of
// buttons, each with its access key; Escape presses Close.
const FormLayout& sequencesLayout();

// The caption of the on/off button follows the selected sequence.
inline constexpr const char* kTurnOnCaption = "Turn &On";
inline constexpr const char* kTurnOffCaption = "Turn O&ff";

namespace sequences_id {
inline constexpr int kList = 4001;
inline constexpr int kNew = 4002;
inline constexpr int kEdit = 4003;
inline constexpr int kDelete = 4004;
inline constexpr int kOnOff = 4005;
inline constexpr int kTypeNow = 4006;
inline constexpr int kImport = 4007;
inline constexpr int kExport = 4008;
// The identifier the dialog navigation sends for Escape (IDCANCEL).
inline constexpr int kClose = 2;
}  // namespace sequences_id

}  // namespace mw
