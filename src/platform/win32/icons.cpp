#include "platform/win32/icons.h"

#include "platform/win32/resource_ids.h"

namespace mw::win32 {
namespace {

UniqueIcon loadIcon(int size)
{
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARROWIND), IMAGE_ICON, size, size, 0)));
}

}  // namespace

ProgramIcons loadProgramIcons()
{
    return {loadIcon(GetSystemMetrics(SM_CXICON)), loadIcon(GetSystemMetrics(SM_CXSMICON))};
}

}  // namespace mw::win32
