#include "shell/skin.h"

namespace mw {

void RecolorForm(Form& form, std::span<BackColored* const> plainBackgroundControls)
{
    form.setBackColor(kButtonFace);
    for (BackColored* control : plainBackgroundControls) control->setBackColor(kButtonFace);
}

void ApplySkin(Files& files, Form& form, std::span<BackColored* const> plainBackgroundControls)
{
    const std::string path = files.programFolder() + kSkinFile;
    if (!files.isOrdinaryFile(path)) return;
    RecolorForm(form, plainBackgroundControls);
    files.readAll(path);
}

}  // namespace mw
