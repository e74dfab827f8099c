#pragma once
// What the program answers a command with, the exit code a start ends with
// for it, and the reason it gives its caller.
#include <string>
#include <vector>

#include "commands/command.h"

namespace mw {

// The exit codes of a start with a command line.
inline constexpr int kExitDone = 0;
// A good command the program could not take: no running copy answered, or
// one of its boxes waits for an answer.
inline constexpr int kExitNotCarriedOut = 1;
// An unknown option or sequence name, or a file that does not import.
inline constexpr int kExitRefused = 2;

enum class CommandAnswer {
    Done,             // taken: carried out at once, or as soon as the program is free
    Busy,             // one of the program's boxes waits for an answer
    UnknownSequence,  // no sequence has that name
    Unreadable,       // the message was no command (another version's copy)
};
inline constexpr int kCommandAnswerCount = 4;

int exitCodeOf(CommandAnswer answer);
// Empty for Done.
std::string answerText(const Command& command, CommandAnswer answer);

// Done, or UnknownSequence when the command names a sequence that none of
// these names is, ignoring case.
CommandAnswer checkSequenceName(const Command& command, const std::vector<std::string>& names);

}  // namespace mw
