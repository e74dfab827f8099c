#include "sequences_window/sequence_import.h"

#include "typing/hotkey.h"

namespace mw {
namespace {

// The hotkey goes when the program holds it already; the note says so.
std::optional<std::string> dropHeldHotkey(Sequence& sequence, const ImportRules& rules)
{
    if (sequence.hotkey.empty() || !rules.hotkeyHolder) return std::nullopt;
    const std::optional<std::string> holder = rules.hotkeyHolder(sequence.hotkey, sequence.name);
    if (!holder) return std::nullopt;
    std::string note = hotkeyText(*parseHotkey(sequence.hotkey));
    note += " is the hotkey of ";
    note += *holder;
    note += ": \"";
    note += sequence.name;
    note += "\" came in without one.";
    sequence.hotkey.clear();
    return note;
}

}  // namespace

ImportResult importSequences(const std::string& fileText, SequenceRunner& runner, const ImportRules& rules)
{
    ImportResult result;
    auto read = readSequenceFile(fileText);
    if (auto* error = std::get_if<SequenceFileError>(&read)) {
        result.error = *error;
        return result;
    }
    for (Sequence& sequence : std::get<std::vector<Sequence>>(read)) {
        const Sequence* existing = runner.find(sequence.name);
        const std::string existingName = existing ? existing->name : std::string();
        if (existing && !rules.replaceExisting(existingName)) continue;
        if (std::optional<std::string> note = dropHeldHotkey(sequence, rules)) result.notes.push_back(*note);
        if (existing)
            runner.replace(existingName, sequence);
        else
            runner.add(sequence);
        result.imported.push_back(sequence.name);
    }
    return result;
}

}  // namespace mw
