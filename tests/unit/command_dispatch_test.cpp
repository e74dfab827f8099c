// Commands in the program that runs: each reaches its sequence or the main
// window's typing, and one the program cannot take is refused with its answer.
#include "commands/command_dispatch.h"

#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "sequences/sequence_store.h"
#include "shell/product.h"

namespace mw {
namespace {

Sequence sequence(const char* name, const char* keys)
{
    Sequence s;
    s.name = name;
    s.keys = keys;
    s.target.program = "game.exe";
    return s;
}

class CommandDispatchTest : public ::testing::Test, public test::Form1Fixture {
protected:
    CommandDispatchTest()
    {
        sim.windows.find(sim.windows.add("Game"))->program = "game.exe";
        SequenceStore(sim.sections).save(sequence("Potion", "p"));
        form1->Form_Load();
    }
    // As a command from another start arrives: taken, then carried out.
    CommandAnswer give(CommandAction action, const std::string& name = {})
    {
        const CommandAnswer answer = dispatch.take(Command{action, name, {}});
        dispatch.carryOutWaiting();
        sim.steps.settle();
        return answer;
    }
    bool potionOn() { return form1->sequences().find("Potion")->on; }

    CommandDispatch dispatch{*form1, sim.dialogs};
};

TEST_F(CommandDispatchTest, EachCommandSwitchesItsSequenceByAnyCaseOrTheMainWindowsTyping)
{
    using A = CommandAction;
    struct Step {
        A action;
        const char* name;
        bool potionOn, typingOn;
    };
    const Step steps[] = {
        {A::On, "potion", true, false},  {A::On, "POTION", true, false},  {A::Off, "Potion", false, false},
        {A::Toggle, "pOTION", true, false}, {A::Toggle, "Potion", false, false}, {A::On, "", false, true},
        {A::On, "", false, true},         {A::Toggle, "", false, false},    {A::Off, "", false, false},
        {A::Toggle, "", false, true},     {A::Off, "", false, false},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(give(s.action, s.name), CommandAnswer::Done);
        EXPECT_EQ(potionOn(), s.potionOn) << optionName(s.action) << " " << s.name;
        EXPECT_EQ(form1->session().on(), s.typingOn) << optionName(s.action) << " " << s.name;
    }
    EXPECT_EQ(sim.sections.sections["Potion"]["on"], "Off");
    EXPECT_EQ(sim.settings.values[setting::kStartStopState], "Off");

    sim.Text2.setText("m");
    give(A::TypeNow, "potion");
    give(A::TypeNow);
    EXPECT_EQ(sim.keys.typed(), "pm");
}

TEST_F(CommandDispatchTest, AnUnknownNameOrAnOpenBoxIsRefusedAndOneTakenBeforeTheBoxWaitsForIt)
{
    EXPECT_EQ(give(CommandAction::Toggle, "Nobody"), CommandAnswer::UnknownSequence);
    EXPECT_EQ(exitCodeOf(CommandAnswer::UnknownSequence), kExitRefused);
    ASSERT_EQ(dispatch.take(Command{CommandAction::On, "", {}}), CommandAnswer::Done);
    CommandAnswer answer = CommandAnswer::Done;
    bool allDone = true;
    sim.dialogs.whileWarningOpen = [&] {
        answer = give(CommandAction::Toggle, "Potion");
        allDone = dispatch.carryOutWaiting();
    };
    sim.dialogs.warning("Something failed", "Application Error");
    EXPECT_EQ(answer, CommandAnswer::Busy);
    EXPECT_EQ(exitCodeOf(answer), kExitNotCarriedOut);
    EXPECT_FALSE(allDone);
    EXPECT_FALSE(potionOn());
    EXPECT_FALSE(form1->session().on());
    EXPECT_TRUE(dispatch.carryOutWaiting());
    EXPECT_TRUE(form1->session().on()) << "carried out once the box closed";
}

TEST_F(CommandDispatchTest, AnImportReplacesSequencesOfTheSameNameAddsTheRestAndTheirNamesCountAtOnce)
{
    Sequence potion = sequence("POTION", "q");
    potion.on = true;
    EXPECT_EQ(dispatch.take(Command{CommandAction::Import, {}, {potion, sequence("Elixir", "e")}}), CommandAnswer::Done);
    // Given right after, before the import was carried out.
    EXPECT_EQ(dispatch.take(Command{CommandAction::On, "elixir", {}}), CommandAnswer::Done);
    EXPECT_TRUE(dispatch.carryOutWaiting());
    std::vector<std::string> names;
    for (const Sequence& s : form1->sequences().sequences()) names.push_back(s.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Elixir", "POTION"}));
    EXPECT_EQ(*form1->sequences().find("potion"), potion);
    EXPECT_EQ(sim.sections.sections.count("Potion"), 0u);
    EXPECT_EQ(sim.sections.sections["POTION"]["keys"], "q");
    EXPECT_TRUE(form1->sequences().find("Elixir")->on);
}

}  // namespace
}  // namespace mw
