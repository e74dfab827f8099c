#pragma once
// What a sequence's row in the Sequences window shows, column by column.
#include <array>
#include <string>

#include "sequences/sequence.h"

namespace mw {

inline constexpr std::array<const char*, 5> kSequenceColumns{"Name", "Keys", "Target", "Every", "State"};
using SequenceCells = std::array<std::string, kSequenceColumns.size()>;

// The key text on one line, its line breaks written as "~" (Enter in the key
// notation), cut after 60 characters with an ellipsis.
std::string keysCellText(const std::string& keys);

// "10 s", or "one key every 5 s" when it types one key a turn.
std::string everyText(const Sequence& sequence);

// The cells of its row; the state is the runner's.
SequenceCells sequenceCells(const Sequence& sequence, const std::string& state);

}  // namespace mw
