#include "commands/command_line.h"

#include <array>
#include <optional>

namespace mw {
namespace {

struct Option {
    const char* name;  // lower case, without its "/" or "-"
    CommandAction action;
};
constexpr std::array<Option, 5> kOptions{{
    {"on", CommandAction::On},
    {"off", CommandAction::Off},
    {"toggle", CommandAction::Toggle},
    {"typenow", CommandAction::TypeNow},
    {"import", CommandAction::Import},
}};

constexpr const char* kUsage =
    "Use /on, /off, /toggle or /typenow, each with a sequence's name or none for the main window's typing, "
    "or /import FILE.";

std::optional<CommandAction> optionOf(const std::string& word)
{
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) return std::nullopt;
    std::string name;
    for (char c : word.substr(1)) name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    for (const Option& option : kOptions)
        if (name == option.name) return option.action;
    return std::nullopt;
}

CommandLineError error(std::string text) { return CommandLineError{std::move(text)}; }

}  // namespace

const char* optionName(CommandAction action)
{
    switch (action) {
    case CommandAction::On: return "/on";
    case CommandAction::Off: return "/off";
    case CommandAction::Toggle: return "/toggle";
    case CommandAction::TypeNow: return "/typenow";
    case CommandAction::Import: return "/import";
    case CommandAction::Start: break;
    }
    return "";
}

std::variant<CommandLine, CommandLineError> parseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty()) return CommandLine{};
    const std::optional<CommandAction> action = optionOf(arguments[0]);
    if (!action) return error("Unknown option \"" + arguments[0] + "\". " + kUsage);
    const std::string option = optionName(*action);
    // One argument at most: a name with blanks comes in quotes, and words
    // after it are a mistake rather than part of it.
    if (arguments.size() > 2)
        return error("Too many arguments after " + option + ". Put a name or file that holds blanks in quotes: " +
                     option + " \"My sequence\".");
    const bool given = arguments.size() == 2;
    if (*action == CommandAction::Import && (!given || arguments[1].empty()))
        return error("/import needs the file to import: /import FILE.");
    // An empty name is most likely a script's empty variable: acting on the
    // main window's typing instead would surprise.
    if (given && arguments[1].empty())
        return error("The sequence name after " + option + " is empty. Leave it out for the main window's typing.");
    return CommandLine{*action, given ? arguments[1] : std::string()};
}

}  // namespace mw
