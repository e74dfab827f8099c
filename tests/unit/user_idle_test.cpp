#include "typing/user_idle.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(UserIdle, TheProgramsOwnInputIsNotTheUsersAlsoWhenItsStampIsEarlierOrTheTickCountWraps)
{
    struct Case {
        const char* what;
        std::uint32_t userAt, ownAt, lastInput, now;
        std::int64_t idleMs;
    };
    const Case cases[] = {
        {"own input stamped a tick before the program noted it", 1000, 5000, 4999, 6000, 5000},
        {"the same just before the wrap", 0xFFFFFF00u, 0xFFFFFFF0u, 0xFFFFFFEFu, 0x10, 0x110},
        {"own input stamped across the wrap", 0xFFFFFF00u, 0xFFFFFFFEu, 0x5, 0x10, 0x110},
        {"the user's input after the program's, across the wrap", 0xFFFFFF00u, 0xFFFFFFF0u, 0x100, 0x180, 0x80},
    };
    for (const Case& c : cases) {
        UserIdle idle;
        idle.idleMs(c.userAt, c.userAt);  // the user's last input, seen
        idle.ownInput(c.ownAt);
        EXPECT_EQ(idle.idleMs(c.lastInput, c.now), c.idleMs) << c.what;
    }
}

}  // namespace
}  // namespace mw
