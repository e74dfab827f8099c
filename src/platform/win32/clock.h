#pragma once
#include "platform/clock.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32Clock final : public Clock {
public:
    std::int64_t monotonicMs() override;
    std::string nowText() override;
};

}  // namespace mw::win32
