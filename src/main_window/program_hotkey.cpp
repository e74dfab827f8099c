#include "main_window/program_hotkey.h"

#include "shell/product.h"
#include "typing/hotkey.h"

namespace mw {

void ProgramHotkey::setUp(std::function<void()> pressed)
{
    release();
    const HotkeySetting setting = readHotkeySetting(settings_.read(setting::kHotkey, kDefaultHotkey));
    combination_ = setting.combination;
    if (!setting.complaint.empty()) dialogs_.warning(setting.complaint, kProductTitle);
    if (combination_) taken_ = !hotkey_.claim(kMainHotkeyId, *combination_, std::move(pressed));
}

void ProgramHotkey::release()
{
    hotkey_.release(kMainHotkeyId);
    taken_ = false;
}

}  // namespace mw
