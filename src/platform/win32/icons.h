#pragma once
#include "platform/win32/unique_handle.h"

namespace mw::win32 {

// The program icon in the system's large and small sizes.
struct ProgramIcons {
    UniqueIcon big;
    UniqueIcon small;
};
ProgramIcons loadProgramIcons();

}  // namespace mw::win32
