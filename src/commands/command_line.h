#pragma once
// The program's command line, for Task Scheduler, stream decks and scripts:
// one option, written with "/" or "-" in any case, and its argument.
//   /on [NAME]  /off [NAME]  /toggle [NAME]  /typenow [NAME]  /import FILE
// Without NAME the first four act on the main window's own typing.
#include <string>
#include <variant>
#include <vector>

namespace mw {

enum class CommandAction { Start, On, Off, Toggle, TypeNow, Import };

struct CommandLine {
    CommandAction action = CommandAction::Start;  // Start: no option, a plain start
    // The sequence's name (empty: the main window's typing), or the file to
    // import.
    std::string argument;
    bool operator==(const CommandLine&) const = default;
};

struct CommandLineError {
    std::string message;
    bool operator==(const CommandLineError&) const = default;
};

// arguments: as the system split the command line (a quoted argument is one,
// its quotes gone), without the program's own path.
std::variant<CommandLine, CommandLineError> parseCommandLine(const std::vector<std::string>& arguments);

// The option as the user writes it, for messages: "/toggle".
const char* optionName(CommandAction action);

}  // namespace mw
