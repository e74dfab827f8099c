#pragma once
// A failure raised by a step of a handler. The handler's error convention turns
// it into the "Application Error" dialog and carries on with the next step, so
// every failure carries a description a user can read.
#include <stdexcept>
#include <string>

namespace mw {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& description) : std::runtime_error(description) {}
};

// The descriptions the runtime uses for its common failures.
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kIndexOutOfBounds = "Index out of bounds";

[[noreturn]] inline void fail(const std::string& description) { throw Failure(description); }

}  // namespace mw
