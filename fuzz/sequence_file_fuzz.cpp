// Whatever a file to import holds, reading it never fails other than with a
// line and a message, and what it reads is written and read back unchanged.
#include <cstdint>
#include <string>
#include <variant>

#include "sequences/sequence_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = mw::readSequenceFile(text);
    if (const auto* error = std::get_if<mw::SequenceFileError>(&read)) {
        if (error->line < 1 || error->message.empty()) __builtin_trap();
        return 0;
    }
    const auto& sequences = std::get<std::vector<mw::Sequence>>(read);
    const auto again = mw::readSequenceFile(mw::writeSequenceFile(sequences));
    if (!std::holds_alternative<std::vector<mw::Sequence>>(again)) __builtin_trap();
    if (std::get<std::vector<mw::Sequence>>(again) != sequences) __builtin_trap();
    return 0;
}
