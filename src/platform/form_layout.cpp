#include "platform/form_layout.h"

namespace mw {

const ControlLayout* findControl(const FormLayout& form, std::string_view name)
{
    for (const auto& control : form.controls)
        if (control.name == name) return &control;
    return nullptr;
}

TwipsRect absoluteRect(const FormLayout& form, const ControlLayout& control)
{
    TwipsRect rect{control.left, control.top, control.width, control.height};
    if (!control.container.empty()) {
        if (const ControlLayout* frame = findControl(form, control.container)) {
            rect.left += frame->left;
            rect.top += frame->top;
        }
    }
    return rect;
}

}  // namespace mw
