#include "sequences/sequence.h"

#include "shell/utf8.h"
#include "typing/hotkey.h"
#include "typing/key_notation.h"

namespace mw {

std::string rangeMessage(const SequenceNumber& number)
{
    return std::string(number.label) + " must be a whole number of " + number.unit + " from " +
           std::to_string(number.min) + " to " + std::to_string(number.max) + ".";
}

std::optional<SequenceProblem> checkSequence(const Sequence& sequence, const std::vector<std::string>& otherNames)
{
    const std::size_t nameLength = utf8CharacterCount(sequence.name);
    // A backslash would open a section of its own in the settings store.
    if (nameLength == 0 || nameLength > kMaxSequenceName || !isWellFormedUtf8(sequence.name) ||
        sequence.name.find('\\') != std::string::npos)
        return SequenceProblem{SequenceField::Name, nullptr,
                               "Name must be 1 to 40 characters, without a backslash."};
    for (const std::string& other : otherNames)
        if (equalIgnoringCase(other, sequence.name))
            return SequenceProblem{SequenceField::Name, nullptr,
                                   "A sequence named \"" + other + "\" exists already: choose another name."};
    try {
        parseKeyString(sequence.keys);
    } catch (const std::exception& e) {
        return SequenceProblem{SequenceField::Keys, nullptr, std::string("Keys: ") + e.what()};
    }
    if (sequence.keys.empty()) return SequenceProblem{SequenceField::Keys, nullptr, "Keys must not be empty."};
    const SequenceNumber& every = kSequenceNumbers.front();
    if (sequence.every < every.min || sequence.every > every.max)
        return SequenceProblem{SequenceField::Every, &every, rangeMessage(every)};
    if (sequence.target.program.empty() || !isWellFormedUtf8(sequence.target.program))
        return SequenceProblem{SequenceField::Program, nullptr,
                               "Program must name the program's file, such as notepad.exe."};
    if (!isWellFormedUtf8(sequence.target.title))
        return SequenceProblem{SequenceField::Title, nullptr, "Title holds text that is not valid UTF-8."};
    if (!isWellFormedUtf8(sequence.target.windowClass))
        return SequenceProblem{SequenceField::WindowClass, nullptr, "Class holds text that is not valid UTF-8."};
    if (!sequence.hotkey.empty() && !parseHotkey(sequence.hotkey))
        return SequenceProblem{SequenceField::Hotkey, nullptr,
                               "Hotkey must be one key with Ctrl or Alt in the key notation, such as ^%{F1}, or "
                               "empty for no hotkey."};
    for (std::size_t i = 1; i < kSequenceNumbers.size(); ++i) {
        const SequenceNumber& number = kSequenceNumbers[i];
        const int value = sequence.*number.value;
        if (value < number.min || value > number.max)
            return SequenceProblem{SequenceField::Number, &number, rangeMessage(number)};
    }
    return std::nullopt;
}

}  // namespace mw
