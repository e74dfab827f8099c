#include "sequences_window/sequence_row.h"

#include "sequences/target_rule.h"
#include "shell/utf8.h"

namespace mw {

std::string keysCellText(const std::string& keys)
{
    constexpr std::size_t kMaxCharacters = 60;
    std::string line;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < keys.size();) {
        if (characters == kMaxCharacters) return line + "\xE2\x80\xA6";
        if (keys[i] == '\r' || keys[i] == '\n') {
            // One "~" for each line break, whether CR LF, LF or CR.
            i += keys.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            line += '~';
        } else {
            const std::size_t length = decodeUtf8(keys, i).length;
            line.append(keys, i, length);
            i += length;
        }
        ++characters;
    }
    return line;
}

std::string everyText(const Sequence& sequence)
{
    std::string seconds = std::to_string(sequence.every);
    seconds += " s";
    return sequence.oneKey ? std::string("one key every ") + seconds : seconds;
}

SequenceCells sequenceCells(const Sequence& sequence, const std::string& state)
{
    return {sequence.name, keysCellText(sequence.keys), ruleText(sequence.target), everyText(sequence), state};
}

}  // namespace mw
