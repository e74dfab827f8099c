#include "platform/win32/icons.h"

#include "platform/win32/resource_ids.h"

namespace mw::win32 {
namespace {

// At the system DPI's size for the metric, scaled down from the largest image
// when none has that size, as the shell draws icons (comctl32 6).
UniqueIcon loadIcon(int metric)
{
    HICON icon = nullptr;
    if (FAILED(LoadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARROWIND), metric, &icon)))
        return UniqueIcon();
    return UniqueIcon(icon);
}

}  // namespace

ProgramIcons loadProgramIcons() { return {loadIcon(LIM_LARGE), loadIcon(LIM_SMALL)}; }

}  // namespace mw::win32
