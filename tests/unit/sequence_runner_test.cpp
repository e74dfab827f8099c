// Sequences typing beside the main window: the shared queue, target rules
// at work, hotkeys and the stored state.
#include "sequences/sequence_runner.h"

#include <gtest/gtest.h>

#include "sim/controls.h"
#include "sim/platform.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

TEST(TurnQueue, TurnsNeverOverlapAndGoInTheOrderTheyFellDue)
{
    TurnQueue queue;
    std::vector<std::string> started;
    int a = 0, b = 0, c = 0;
    queue.request(&a, [&] { started.push_back("a"); });
    queue.request(&b, [&] { started.push_back("b"); });
    queue.request(&c, [&] { started.push_back("c"); });
    queue.request(&b, [&] { started.push_back("b again"); });  // one turn a session
    EXPECT_EQ(started, std::vector<std::string>{"a"});
    queue.withdraw(&b);  // turned off while it waited
    queue.finished(&a);
    EXPECT_EQ(started, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(queue.holds(&c));
    // A turn that ends within its start lets the next go at once.
    queue.request(&a, [&] {
        started.push_back("a2");
        queue.finished(&a);
    });
    queue.request(&b, [&] { started.push_back("b2"); });
    queue.finished(&c);
    EXPECT_EQ(started, (std::vector<std::string>{"a", "c", "a2", "b2"}));
}

struct Runner {
    Runner() { runner.setMainWindow(kNoWindow); }
    // Seconds pass; the tick timer ticks while it runs.
    void seconds(int n)
    {
        for (int i = 0; i < n; ++i) {
            sim.clock.now += 1000;
            if (timer.interval() != 0) timer.tick();
        }
    }
    WindowHandle open(const char* program, const char* title)
    {
        const WindowHandle w = sim.windows.add(title);
        sim.windows.find(w)->program = program;
        return w;
    }
    static Sequence sequence(const char* name, const char* keys, int every, const char* program)
    {
        Sequence s;
        s.name = name;
        s.keys = keys;
        s.every = every;
        s.target.program = program;
        s.on = true;
        return s;
    }
    // What arrived in each window, in order.
    std::map<WindowHandle, std::string> typedInto() const
    {
        std::map<WindowHandle, std::string> out;
        for (const auto& batch : sim.keys.batches)
            for (const KeyInput& input : batch.inputs)
                if (!input.up) out[batch.target] += static_cast<char>(input.virtualKey + 'a' - 'A');
        return out;
    }

    sim::SimPlatform sim;
    sim::SimTimer timer;
    TurnQueue queue;
    SequenceRunner runner{sim.services(), queue, sim.sections, timer};
};

TEST(SequenceRunnerTest, EachSequenceTypesAtItsOwnIntervalIntoTheWindowItsRuleFinds)
{
    Runner r;
    const WindowHandle first = r.open("first.exe", "First");
    const WindowHandle second = r.open("second.exe", "Second");
    r.runner.add(Runner::sequence("A", "a", 1, "first.exe"));
    r.runner.add(Runner::sequence("B", "b", 2, "second.exe"));
    r.seconds(6);
    EXPECT_EQ(r.typedInto(), (std::map<WindowHandle, std::string>{{first, "aaaaaa"}, {second, "bbb"}}));
    EXPECT_EQ(r.runner.stateOf("B"), "On, next in 00:00:02");
}

TEST(SequenceRunnerTest, ATurnEndsOnceItsTargetTookItsKeysBeforeTheNextTakesTheFront)
{
    Runner r;
    const WindowHandle first = r.open("first.exe", "First");
    const WindowHandle second = r.open("second.exe", "Second");
    r.runner.add(Runner::sequence("A", "aaaa", 1, "first.exe"));
    r.runner.add(Runner::sequence("B", "bbbb", 1, "second.exe"));
    // Handed to the system, keys still go to whichever window is in front
    // when they are read: the next turn waits until they are in.
    std::vector<std::string> order;
    r.sim.keys.onSend = [&] { order.push_back("send"); };
    r.sim.keys.onWait = [&] { order.push_back("taken?"); };
    r.seconds(1);
    EXPECT_EQ(order, (std::vector<std::string>{"send", "taken?", "send", "taken?"}));
    EXPECT_EQ(r.sim.keys.waitedFor, (std::vector<WindowHandle>{first, second}));
}

TEST(SequenceRunnerTest, ASequenceWaitsForItsProgramAndTypesOnceItsWindowIsThere)
{
    Runner r;
    r.runner.add(Runner::sequence("Notes", "n", 1, "notepad.exe"));
    r.seconds(2);
    EXPECT_TRUE(r.sim.keys.batches.empty());
    EXPECT_EQ(r.runner.stateOf("Notes"), "Waiting for notepad.exe\xE2\x80\xA6");
    const WindowHandle notepad = r.open("notepad.exe", "Untitled - Notepad");
    // What a view of the state shows, told of each change: once the turn is
    // over, the count, although the next tick starts the next turn at once.
    std::string shown;
    r.runner.changed = [&] { shown = r.runner.stateOf("Notes"); };
    r.seconds(1);
    EXPECT_EQ(r.typedInto(), (std::map<WindowHandle, std::string>{{notepad, "n"}}));
    EXPECT_EQ(shown, "On, next in 00:00:01");
}

TEST(SequenceRunnerTest, ItsHotkeyTurnsItOnAndOffAndTheStateIsStored)
{
    Runner r;
    r.open("game.exe", "Game");
    Sequence potion = Runner::sequence("Potion", "p", 1, "game.exe");
    potion.on = false;
    potion.hotkey = "^%{F1}";
    r.runner.add(potion);
    ASSERT_EQ(r.sim.hotkey.claims.size(), 1u);
    const GlobalHotkey::Id id = r.sim.hotkey.claims.begin()->first;
    r.sim.hotkey.press(id);
    EXPECT_EQ(r.runner.stateOf("Potion"), "On, next in 00:00:01");
    r.seconds(2);
    EXPECT_EQ(r.sim.keys.batches.size(), 2u);
    r.sim.hotkey.press(id);
    EXPECT_EQ(r.runner.stateOf("Potion"), kSequenceOffText);
    r.seconds(2);
    EXPECT_EQ(r.sim.keys.batches.size(), 2u);
    EXPECT_EQ(r.timer.interval(), 0) << "no tick while none is on";

    r.runner.turnOn("potion");  // names ignore case
    TurnQueue queue;
    sim::SimTimer timer;
    SequenceRunner again(r.sim.services(), queue, r.sim.sections, timer);
    again.load();
    ASSERT_NE(again.find("Potion"), nullptr);
    EXPECT_TRUE(again.find("Potion")->on) << "found on at the next start";
    EXPECT_EQ(again.hotkeyHolder("^%{F1}", ""), std::optional<std::string>("Potion"));
}

TEST(SequenceRunnerTest, StoppingASequenceMidTurnLetsTheNextTurnGo)
{
    Runner r;
    const WindowHandle slow = r.open("slow.exe", "Slow");
    const WindowHandle quick = r.open("quick.exe", "Quick");
    Sequence paced = Runner::sequence("Paced", "abcdefgh", 1, "slow.exe");
    paced.keyDelay = 400;  // a turn of several seconds
    r.runner.add(paced);
    r.runner.add(Runner::sequence("Quick", "q", 1, "quick.exe"));
    r.sim.steps.autoRun = false;
    r.seconds(1);  // both due: Paced runs, Quick waits
    r.sim.steps.advance(500);
    EXPECT_EQ(r.typedInto()[quick], "");
    r.runner.turnOff("Paced");
    r.sim.steps.runAll();
    const auto typed = r.typedInto();
    EXPECT_LT(typed.at(slow).size(), 8u) << "the rest is not sent";
    EXPECT_EQ(typed.at(quick), "q") << "the waiting turn went next";
}

}  // namespace
}  // namespace mw
