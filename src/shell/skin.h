#pragma once
// The button-face look: a form and its plain-background controls (frames,
// labels, option buttons, check boxes) take the system's button-face colour.
#include <span>

#include "platform/controls.h"
#include "platform/files.h"

namespace mw {

void RecolorForm(Form& form, std::span<BackColored* const> plainBackgroundControls);

// The skin file beside the program, relative to its folder.
inline constexpr const char* kSkinFile = "\\x\\o.cjs";

// When the skin file is there (an ordinary file: no folder, no hidden or
// system file), gives the form the button-face look and reads the skin;
// a skin that cannot be read raises a Failure, the colours stay.
void ApplySkin(Files& files, Form& form, std::span<BackColored* const> plainBackgroundControls);

}  // namespace mw
