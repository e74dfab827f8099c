#include "targets/target_list.h"

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "sim/window_system.h"

namespace mw {
namespace {

TEST(TargetList, TheChosenWindowIsListedNotListedOrClosed)
{
    sim::SimWindowSystem windows;
    const WindowHandle a = windows.add("a"), b = windows.add("b");
    TargetList targets;
    targets.add("a", a);
    EXPECT_EQ(targets.choice(windows, kNoWindow), TargetList::Choice::None);
    EXPECT_EQ(targets.choice(windows, a), TargetList::Choice::Listed);
    EXPECT_EQ(targets.choice(windows, b), TargetList::Choice::NotListed);
    windows.destroy(b);
    EXPECT_EQ(targets.choice(windows, b), TargetList::Choice::Closed);
    EXPECT_EQ(targets.rowOf(a), 1);
    EXPECT_EQ(targets.rowOf(b), 0);
    EXPECT_THROW(targets.windowAt(2), Failure);
}

}  // namespace
}  // namespace mw
