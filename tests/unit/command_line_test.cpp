// The command line: its options as written, and an import's file read by the
// start.
#include <gtest/gtest.h>

#include "commands/command.h"
#include "sequences/sequence_file.h"
#include "sim/services.h"

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

}  // namespace
}  // namespace mw
