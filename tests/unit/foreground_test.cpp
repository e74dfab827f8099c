#include "targets/foreground.h"

#include <gtest/gtest.h>

#include "sim/controls.h"
#include "sim/list_view.h"
#include "sim/platform.h"
#include "typing/typing_engine.h"

namespace mw {
namespace {

using Call = sim::SimWindowSystem::Call;

// A turn into one window, as the window list offers it.
struct OneTarget {
    explicit OneTarget(WindowHandle window)
    {
        targets.add("Target", window);
        list.addRow("Target");
    }
    void type(const std::string& keys)
    {
        Services services = platform.services();
        const auto turn = TypeTextbox(TypingContext{services, kNoWindow, {}}, targets, list, status, keys, {}, {});
        turn->start();
        platform.steps.runAll();
    }
    sim::SimPlatform platform;
    TargetList targets;
    sim::SimListView list;
    sim::SimFrame status;
};

TEST(Foreground, AConsoleWindowTakesTheKeysThoughItsNamedThreadHasNoWindow)
{
    OneTarget turn(kNoWindow);
    const WindowHandle console = turn.platform.windows.addConsole("Command Prompt");
    turn.targets.clear();
    turn.targets.add("Command Prompt", console);
    turn.type("dir{ENTER}");
    EXPECT_EQ(turn.platform.keys.typed(), "dir\r");
    EXPECT_EQ(turn.status.caption(), kCompletedText + turn.platform.clock.dateTimeText);
}

TEST(Foreground, AgainstTheForegroundLockTheRequestComesWithInputOfOurOwn)
{
    OneTarget turn(kNoWindow);
    sim::SimWindowSystem& windows = turn.platform.windows;
    const WindowHandle target = windows.add("Target");
    turn.targets.clear();
    turn.targets.add("Target", target);
    windows.foreground = windows.add("Editor the user works in");
    windows.foregroundLocked = true;
    turn.type("a");
    EXPECT_EQ(turn.platform.keys.typed(), "a");
    std::vector<Call> asked;
    for (const Call& call : windows.calls)
        if (call.kind == Call::Foreground || call.kind == Call::ForegroundWithInput) asked.push_back(call);
    EXPECT_EQ(asked, (std::vector<Call>{{Call::Foreground, target}, {Call::ForegroundWithInput, target}}));
}

}  // namespace
}  // namespace mw
