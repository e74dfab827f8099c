#pragma once
#include "platform/controls.h"

namespace mw {

// The pointer a mouse move asks for (the hand over buttons, the arrow
// elsewhere), unless the hourglass shows: only the typing sets and clears it.
inline void hoverPointer(Form& form, MousePointer wanted)
{
    if (form.mousePointer() != MousePointer::Hourglass) form.setMousePointer(wanted);
}

}  // namespace mw
