#pragma once
// Sequences from a file taken into the runner: a file that does not read
// changes nothing; a sequence of a name that exists replaces it only when the
// user says so; the rest are added.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sequences/sequence_file.h"
#include "sequences/sequence_runner.h"

namespace mw {

struct ImportResult {
    std::optional<SequenceFileError> error;  // the file's first bad entry; nothing imported
    std::vector<std::string> imported;       // the names added or replaced
    // A sequence whose hotkey the program held already came in without it:
    // "Ctrl+Alt+F1 is the hotkey of "Potion": "Mana" came in without one."
    std::vector<std::string> notes;
};

struct ImportRules {
    // Asked for each sequence of a name that exists: true replaces it.
    std::function<bool(const std::string& name)> replaceExisting;
    // Who holds the hotkey already, other than the sequence of that name
    // ("\"Potion\"", "the main window's on/off"); none when free.
    std::function<std::optional<std::string>(const std::string& hotkey, const std::string& except)> hotkeyHolder;
};

ImportResult importSequences(const std::string& fileText, SequenceRunner& runner, const ImportRules& rules);

}  // namespace mw
