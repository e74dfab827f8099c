// The command line: its options as written, an import's file read by the
// start, and what a start with a command does beside a running copy.
#include <gtest/gtest.h>

#include "commands/command_answer.h"
#include "commands/command_start.h"
#include "sequences/sequence_file.h"
#include "sequences/sequence_store.h"
#include "sim/running_copies.h"

namespace mw {
namespace {

TEST(CommandLineTest, OptionsTakeEitherPrefixAnyCaseAndAtMostOneArgument)
{
    struct Case {
        std::vector<std::string> arguments;
        CommandAction action;
        std::string argument;
        const char* error;  // a part of the message; null: parses
    };
    using A = CommandAction;
    const Case cases[] = {
        {{}, A::Start, "", nullptr},
        {{"/on"}, A::On, "", nullptr},
        {{"-OFF", "Potion"}, A::Off, "Potion", nullptr},
        {{"/Toggle", "My potion"}, A::Toggle, "My potion", nullptr},  // quoted: one argument
        {{"-typeNOW"}, A::TypeNow, "", nullptr},
        {{"/import", "C:\\My files\\set.json"}, A::Import, "C:\\My files\\set.json", nullptr},
        {{"/on", "My", "potion"}, A::Start, "", "Put a name or file that holds blanks in quotes: /on \"My sequence\""},
        {{"/on", ""}, A::Start, "", "The sequence name after /on is empty"},
        {{"/import"}, A::Start, "", "/import needs the file to import"},
        {{"-import", ""}, A::Start, "", "/import needs the file to import"},
        {{"/of"}, A::Start, "", "Unknown option \"/of\". Use /on, /off"},
        {{"Potion"}, A::Start, "", "Unknown option \"Potion\""},
        {{"--on"}, A::Start, "", "Unknown option \"--on\""},
    };
    for (const Case& c : cases) {
        const auto parsed = parseCommandLine(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
        if (c.error) {
            ASSERT_TRUE(std::holds_alternative<CommandLineError>(parsed)) << shown;
            EXPECT_NE(std::get<CommandLineError>(parsed).message.find(c.error), std::string::npos)
                << std::get<CommandLineError>(parsed).message;
        } else {
            ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << shown;
            EXPECT_EQ(std::get<CommandLine>(parsed), (CommandLine{c.action, c.argument})) << shown;
        }
    }
}

TEST(CommandLineTest, AnImportIsReadByTheStartAndTravelsWholeOrFailsWithItsLine)
{
    sim::SimFiles files;
    Sequence potion;
    potion.name = "Potion";
    potion.keys = "{F1}";
    potion.target.program = "game.exe";
    files.contents["good.json"] = writeSequenceFile({potion});
    files.contents["bad.json"] = "{\"marrowind\": 1,\n \"sequences\": [{\"name\": \"x\", \"keys\": \"a\", \"every\": 0}]}";

    const auto good = prepareCommand({CommandAction::Import, "good.json"}, files);
    ASSERT_TRUE(std::holds_alternative<Command>(good));
    const Command& command = std::get<Command>(good);
    EXPECT_EQ(command.sequences, std::vector<Sequence>{potion});
    EXPECT_EQ(decodeCommand(encodeCommand(command)), command);
    EXPECT_EQ(decodeCommand("/dance\nPotion"), std::nullopt);
    EXPECT_EQ(decodeCommand("/import\nnot json"), std::nullopt);

    const auto bad = prepareCommand({CommandAction::Import, "bad.json"}, files);
    ASSERT_TRUE(std::holds_alternative<std::string>(bad));
    EXPECT_EQ(std::get<std::string>(bad).rfind("bad.json: Line 2: ", 0), 0u) << std::get<std::string>(bad);
    const auto missing = prepareCommand({CommandAction::Import, "gone.json"}, files);
    ASSERT_TRUE(std::holds_alternative<std::string>(missing));
    EXPECT_EQ(std::get<std::string>(missing), "Cannot read gone.json: Path/File access error");
}

TEST(CommandLineTest, AStartHandsItsCommandToTheRunningCopyOrRunsAndCarriesItOut)
{
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::int64_t releasesAtMs, answersFromMs;  // the other copy, as SimRunningCopies has it
        int answer;
        bool runs;
        int exitCode;
        const char* told;  // empty: nothing
        int commandsSent;
    };
    const int busy = static_cast<int>(CommandAnswer::Busy), unknown = static_cast<int>(CommandAnswer::UnknownSequence);
    const Case cases[] = {
        {"no command, a copy running", {}, -1, 0, 0, false, 0, "", 0},
        {"no command, none running", {}, 0, -1, 0, true, 0, "", 0},
        {"bad option", {"/dance"}, -1, 0, 0, false, 2, "Unknown option \"/dance\"", 0},
        {"unreadable file", {"/import", "gone.json"}, -1, 0, 0, false, 2, "Cannot read gone.json", 0},
        {"taken by the copy", {"/toggle", "Potion"}, -1, 0, 0, false, 0, "", 1},
        {"a name it has not", {"/on", "Nobody"}, -1, 0, unknown, false, 2, "There is no sequence named \"Nobody\".", 1},
        {"a box open there", {"/on"}, -1, 0, busy, false, 1, "Not done: the program waits for an answer", 1},
        {"an answer from another version", {"/on"}, -1, 0, 77, false, 2, "may be another version", 1},
        {"copy closing", {"/on", "POTION"}, 300, -1, 0, true, 0, "", 6},
        {"none running, stored name", {"/typenow", "potion"}, 0, -1, 0, true, 0, "", 0},
        {"none running, unknown name", {"/off", "Nobody"}, 0, -1, 0, false, 2, "There is no sequence named", 0},
        {"none running, main window", {"/off"}, 0, -1, 0, true, 0, "", 0},
        {"copy never answering", {"/on"}, -1, -1, 0, false, 1, "the running copy of the program did not answer", 101},
    };
    Sequence potion;
    potion.name = "Potion";
    potion.keys = "p";
    potion.target.program = "game.exe";
    for (const Case& c : cases) {
        sim::SimClock clock;
        sim::SimRunningCopies copies(clock);
        copies.otherReleasesAtMs = c.releasesAtMs;
        copies.otherShowsFromMs = c.answersFromMs;
        copies.commandAnswer = c.answer;
        sim::SimFiles files;
        sim::SimSettingsSections sequences;
        SequenceStore(sequences).save(potion);
        std::string told;
        const StartDecision decision = decideStart(
            c.arguments, StartContext{copies, clock, files, sequences, [&](const std::string& text) { told += text; }});
        EXPECT_EQ(decision.run, c.runs) << c.what;
        EXPECT_EQ(decision.exitCode, c.exitCode) << c.what;
        EXPECT_EQ(told.empty(), std::string(c.told).empty()) << c.what << ": " << told;
        EXPECT_NE(told.find(c.told), std::string::npos) << c.what << ": " << told;
        EXPECT_EQ(static_cast<int>(copies.sent.size()), c.commandsSent) << c.what;
        EXPECT_EQ(decision.command.has_value(), c.runs && !c.arguments.empty()) << c.what;
    }
}

}  // namespace
}  // namespace mw
