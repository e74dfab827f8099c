#pragma once
// The mouse pointer both windows show: the hand from the cursor file beside
// the program over buttons, the arrow elsewhere, never replacing the hourglass.
#include "platform/controls.h"

namespace mw {

// The optional cursor file with the hand, appended to the program's folder.
inline constexpr const char* kCursorFileName = "\\HAND-M.CUR";

// The pointer a mouse move asks for (the hand over buttons, the arrow
// elsewhere), unless the hourglass shows: only the typing sets and clears it.
inline void hoverPointer(Form& form, MousePointer wanted)
{
    if (form.mousePointer() != MousePointer::Hourglass) form.setMousePointer(wanted);
}

}  // namespace mw
