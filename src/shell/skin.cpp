#include "shell/skin.h"

namespace mw {

void RecolorForm(Form& form, std::span<BackColored* const> plainBackgroundControls)
{
    form.setBackColor(kButtonFace);
    for (BackColored* control : plainBackgroundControls) control->setBackColor(kButtonFace);
}

}  // namespace mw
