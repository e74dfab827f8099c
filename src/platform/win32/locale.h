#pragma once
// The user's number and time separators.
#include "platform/locale.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32Locale final : public Locale {
public:
    LocaleFormat format() override;
};

}  // namespace mw::win32
