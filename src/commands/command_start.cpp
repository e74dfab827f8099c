#include "commands/command_start.h"

#include "commands/command_answer.h"
#include "sequences/sequence_store.h"
#include "shell/running_copy.h"

namespace mw {
namespace {

StartDecision endWith(const StartContext& context, const std::string& reason, int exitCode)
{
    context.tellCaller(reason);
    return {false, exitCode, std::nullopt};
}

// The copy that takes the command is this start: it checks the name against
// the stored sequences, the ones it will load, so that a name none has ends
// the start rather than start a program that cannot carry it out.
StartDecision runWith(const StartContext& context, Command command)
{
    SequenceStore store(context.sequences);
    std::vector<std::string> names;
    for (const Sequence& sequence : store.load()) names.push_back(sequence.name);
    const CommandAnswer answer = checkSequenceName(command, names);
    if (answer != CommandAnswer::Done) return endWith(context, answerText(command, answer), exitCodeOf(answer));
    return {true, kExitDone, std::move(command)};
}

}  // namespace

StartDecision decideStart(const std::vector<std::string>& arguments, const StartContext& context)
{
    const auto parsed = parseCommandLine(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) return endWith(context, error->message, kExitRefused);
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (line.action == CommandAction::Start) return {startAsTheOnlyCopy(context.copies, context.clock), kExitDone, {}};

    auto prepared = prepareCommand(line, context.files);
    if (const auto* reason = std::get_if<std::string>(&prepared)) return endWith(context, *reason, kExitRefused);
    Command command = std::move(std::get<Command>(prepared));

    const std::string message = encodeCommand(command);
    std::optional<int> answered;
    const RunningCopy found = findRunningCopy(context.copies, context.clock, [&] {
        answered = context.copies.sendCommand(message);
        return answered.has_value();
    });
    if (found == RunningCopy::None) return runWith(context, std::move(command));
    if (found == RunningCopy::NoAnswer)
        return endWith(context, "Not done: the running copy of the program did not answer.", kExitNotCarriedOut);
    const CommandAnswer answer = *answered >= 0 && *answered < kCommandAnswerCount
                                     ? static_cast<CommandAnswer>(*answered)
                                     : CommandAnswer::Unreadable;
    if (answer == CommandAnswer::Done) return {false, kExitDone, std::nullopt};
    return endWith(context, answerText(command, answer), exitCodeOf(answer));
}

}  // namespace mw
