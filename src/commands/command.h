#pragma once
// A command as the program carries it out, and as one start hands it to the
// copy that runs: what the command line named, with an import's file already
// read and checked by the start it was given to, so that a bad file fails
// there and the copy that imports needs no access to the caller's folder.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "commands/command_line.h"
#include "platform/files.h"
#include "sequences/sequence.h"

namespace mw {

struct Command {
    CommandAction action = CommandAction::Start;
    std::string name;                 // the sequence's; empty: the main window's typing
    std::vector<Sequence> sequences;  // Import: the file's
    bool operator==(const Command&) const = default;
};

// The command, or why it cannot be carried out: the file that does not read
// ("Cannot read C:\x.json: The system cannot find the file specified.") or
// does not hold sequences ("C:\x.json: Line 3: ...").
std::variant<Command, std::string> prepareCommand(const CommandLine& line, Files& files);

// As a message between two copies: UTF-8 text, its first line the option.
std::string encodeCommand(const Command& command);
// nullopt for a message that is no command.
std::optional<Command> decodeCommand(const std::string& message);

}  // namespace mw
