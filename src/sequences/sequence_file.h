#pragma once
// Sequences as a JSON file, the form scripts rely on:
//   {"marrowind": 1,
//    "sequences": [{"name": "Potion", "keys": "{F1}", "every": 10, "mode": "whole",
//                   "target": {"program": "game.exe", "title": "My Game*", "class": ""},
//                   "hotkey": "^%{F1}", "on": false, "jitter": 0, "stopAfterTurns": 0,
//                   "stopAfterMinutes": 0, "keyDelay": 0, "keyHold": 0, "background": false}]}
// "mode" is "whole" or "key"; every member but name, keys, every and
// target.program may be left out (a sequence's default then). A file is read
// whole or not at all: the first bad entry is named by its line and field.
#include <string>
#include <variant>
#include <vector>

#include "sequences/sequence.h"

namespace mw {

std::string writeSequenceFile(const std::vector<Sequence>& sequences);

struct SequenceFileError {
    int line = 0;  // 1-based
    std::string message;
    // "Line 3: "every" must be a whole number of seconds from 1 to 86400."
    std::string text() const;
};

// The sequences the file holds, each checked as the editor checks it (two of
// one name refused too), or the first problem.
std::variant<std::vector<Sequence>, SequenceFileError> readSequenceFile(const std::string& text);

}  // namespace mw
