// The command line: its options as written.
#include <gtest/gtest.h>

#include "commands/command_line.h"

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

}  // namespace
}  // namespace mw
