#include "targets/foreground.h"

#include <gtest/gtest.h>

#include "sim/services.h"
#include "sim/window_system.h"
#include "typing/typing_engine.h"

namespace mw {
namespace {

using Call = sim::SimWindowSystem::Call;

TEST(Foreground, AConsoleWindowTakesTheKeysThoughItsNamedThreadHasNoWindow)
{
    sim::SimWindowSystem windows;
    sim::SimKeyInjector keys;
    const WindowHandle console = windows.addConsole("Command Prompt");
    EXPECT_EQ(SendKeyString(windows, keys, console, "dir{ENTER}", false), SendOutcome::Sent);
    EXPECT_EQ(keys.typed(), "dir\r");
}

TEST(Foreground, AgainstTheForegroundLockTheRequestComesWithInputOfOurOwn)
{
    sim::SimWindowSystem windows;
    const WindowHandle target = windows.add("Target");
    windows.foreground = windows.add("Editor the user works in");
    windows.foregroundLocked = true;
    EXPECT_TRUE(bringToFront(windows, target));
    EXPECT_EQ(windows.calls, (std::vector<Call>{{Call::Foreground, target}, {Call::ForegroundWithInput, target}}));
}

}  // namespace
}  // namespace mw
