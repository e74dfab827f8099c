#pragma once
#include "platform/win32/windows_include.h"
#include "platform/user_input.h"
#include "typing/user_idle.h"

namespace mw::win32 {

// The user's keyboard and mouse as the system reports them.
class Win32UserInput final : public UserInput {
public:
    std::int64_t userIdleMs() override;
    HeldInput held() override;
    std::unique_ptr<UserKeyWatch> watchUserKeys() override;
    // The program gave input of its own just now, keys or not: it does not
    // count as the user's for userIdleMs.
    void ownInputSent();

private:
    UserIdle idle_;
};

}  // namespace mw::win32
