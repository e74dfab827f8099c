// One typing session with no window around it: what turns it off, and how
// its turns take their place beside another session's.
#include "typing/auto_typing.h"

#include <gtest/gtest.h>

#include "sim/platform.h"

namespace mw {
namespace {

struct Session {
    explicit Session(TurnQueue& queue) : session(sim.services(), queue, view(), 1)
    {
        target = sim.windows.add("Target");
        session.chooseInterval({1, false});
    }
    AutoTyping::View view()
    {
        AutoTyping::View v;
        v.status = [this](const std::string& text) { status = text; };
        v.rebuildTargets = [] {};
        v.target = [this] { return TurnTarget{target, {}}; };
        v.stopped = [this](const std::string& why) { stopped.push_back(why); };
        return v;
    }
    // A second passes: the count, and a turn when one is due.
    void second(const std::string& keys = "k")
    {
        sim.clock.now += 1000;
        if (!session.on() || session.stopIfDue(sim.clock.now) || session.turnRunning()) return;
        session.updateInterval();
        if (session.tick().due) {
            session.typeTurn(keys);
            session.restartCount();
        }
        sim.steps.settle();  // as the message loop runs the turn's steps
    }

    sim::SimPlatform sim;
    WindowHandle target = kNoWindow;
    std::string status;
    std::vector<std::string> stopped;
    AutoTyping session;
};

TEST(AutoTypingTest, EachStopRuleTurnsItOffOnceAndSaysWhy)
{
    struct Case {
        const char* what;
        std::function<void(Session&)> arrange;
        const char* why;
    };
    const Case cases[] = {
        {"three turns", [](Session& s) { s.session.setOptions({0, {3, 0}, {}}); }, "Off. Stopped after 3 turns."},
        {"a minute", [](Session& s) { s.session.setOptions({0, {0, 1}, {}}); }, "Off. Stopped after 1 minutes."},
        {"the hotkey during a turn",
         [](Session& s) {
             s.session.setOptions({0, {}, TurnOptions{20, 0, false, false, 0}});  // a turn of several pieces
             s.sim.keys.onSend = [&s] { s.session.stopTurn(SendOutcome::StoppedByHotkey); };
         },
         "Off."},
        {"the user's keys during a turn",
         [](Session& s) {
             s.session.setOptions({0, {}, TurnOptions{20, 0, false, false, 0}});  // a turn of several pieces
             s.sim.keys.onSend = [&s] { ++s.sim.keys.userPresses; };
         },
         "Off. Typing stopped: a key was pressed while the program typed, so the rest of the keys were not sent."},
    };
    for (const Case& c : cases) {
        TurnQueue queue;
        Session s(queue);
        c.arrange(s);
        s.session.turnOn(s.sim.clock.now);
        for (int i = 0; i < 70; ++i) s.second("kkkk");
        EXPECT_EQ(s.stopped, std::vector<std::string>{c.why}) << c.what;
        EXPECT_FALSE(s.session.on()) << c.what;
    }
}

TEST(AutoTypingTest, ATurnThatFallsDueWhileAnotherSessionTypesWaitsAndItsCountWaitsWithIt)
{
    TurnQueue queue;
    Session slow(queue), quick(queue);
    slow.session.setOptions({0, {}, TurnOptions{400, 0, false, false, 0}});  // each key 400 ms apart
    slow.sim.steps.autoRun = quick.sim.steps.autoRun = false;
    slow.session.turnOn(0);
    quick.session.turnOn(0);
    slow.second("abcdef");
    quick.second("q");
    EXPECT_TRUE(quick.session.turnRunning()) << "waiting for its place";
    EXPECT_TRUE(quick.sim.keys.batches.empty());
    quick.second("q");
    EXPECT_EQ(quick.session.schedule().ElapsedSeconds(), 0) << "no count while its turn waits";
    slow.session.turnOff();  // the slow turn ends at once: the waiting one goes
    quick.sim.steps.runAll();
    EXPECT_EQ(quick.sim.keys.typed(), "q");
    EXPECT_FALSE(quick.session.turnRunning());
}

}  // namespace
}  // namespace mw
