#pragma once
// The button-face look: a form and its plain-background controls (frames,
// labels, option buttons, check boxes) take the system's button-face colour.
#include <span>

#include "platform/controls.h"

namespace mw {

void RecolorForm(Form& form, std::span<BackColored* const> plainBackgroundControls);

}  // namespace mw
