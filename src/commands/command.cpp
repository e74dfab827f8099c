#include "commands/command.h"

#include <array>

#include "platform/failure.h"
#include "sequences/sequence_file.h"

namespace mw {
namespace {

constexpr std::array<CommandAction, 5> kActions{CommandAction::On, CommandAction::Off, CommandAction::Toggle,
                                                CommandAction::TypeNow, CommandAction::Import};

}  // namespace

std::variant<Command, std::string> prepareCommand(const CommandLine& line, Files& files)
{
    if (line.action != CommandAction::Import) return Command{line.action, line.argument, {}};
    std::string text;
    try {
        text = files.readAll(line.argument);
    } catch (const Failure& failure) {
        return "Cannot read " + line.argument + ": " + failure.what();
    }
    auto read = readSequenceFile(text);
    if (const auto* problem = std::get_if<SequenceFileError>(&read)) return line.argument + ": " + problem->text();
    return Command{CommandAction::Import, {}, std::move(std::get<std::vector<Sequence>>(read))};
}

std::string encodeCommand(const Command& command)
{
    const std::string body =
        command.action == CommandAction::Import ? writeSequenceFile(command.sequences) : command.name;
    return std::string(optionName(command.action)) + "\n" + body;
}

std::optional<Command> decodeCommand(const std::string& message)
{
    const std::size_t end = message.find('\n');
    if (end == std::string::npos) return std::nullopt;
    const std::string option = message.substr(0, end);
    const std::string body = message.substr(end + 1);
    for (CommandAction action : kActions) {
        if (option != optionName(action)) continue;
        if (action != CommandAction::Import) return Command{action, body, {}};
        auto read = readSequenceFile(body);
        if (std::holds_alternative<SequenceFileError>(read)) return std::nullopt;
        return Command{action, {}, std::move(std::get<std::vector<Sequence>>(read))};
    }
    return std::nullopt;
}

}  // namespace mw
