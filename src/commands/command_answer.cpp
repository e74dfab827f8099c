#include "commands/command_answer.h"

#include <algorithm>

#include "sequences/target_rule.h"

namespace mw {

int exitCodeOf(CommandAnswer answer)
{
    switch (answer) {
    case CommandAnswer::Done: return kExitDone;
    case CommandAnswer::Busy: return kExitNotCarriedOut;
    case CommandAnswer::UnknownSequence:
    case CommandAnswer::Unreadable: break;
    }
    return kExitRefused;
}

std::string answerText(const Command& command, CommandAnswer answer)
{
    switch (answer) {
    case CommandAnswer::Done: return {};
    case CommandAnswer::Busy:
        return std::string("Not done: the program waits for an answer in one of its boxes. ") +
               optionName(command.action) + " can be given again once it is closed.";
    case CommandAnswer::UnknownSequence: return "There is no sequence named \"" + command.name + "\".";
    case CommandAnswer::Unreadable: break;
    }
    return "The running copy of the program did not understand the command; it may be another version.";
}

CommandAnswer checkSequenceName(const Command& command, const std::vector<std::string>& names)
{
    if (command.action == CommandAction::Import || command.name.empty()) return CommandAnswer::Done;
    const bool known = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& name) { return equalIgnoringCase(name, command.name); });
    return known ? CommandAnswer::Done : CommandAnswer::UnknownSequence;
}

}  // namespace mw
