#pragma once
// An exception must never unwind through the system's code: Windows calls the
// program's window and dialog procedures from its own frames, which do not
// expect it (on Windows the result is undefined, under Wine it is swallowed).
// Every such procedure runs its handler inside this barrier, which reports
// what escaped with the program's error dialog and lets the message take its
// default course.
#include <exception>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/win32/windows_include.h"

namespace mw::win32 {

// Shows a failure that reached a procedure's barrier. The program installs
// its error dialog; until then a plain message box says it.
using FailureReporter = std::function<void(std::string_view location, std::string_view description)>;
void setFailureReporter(FailureReporter reporter);
void reportEscapedFailure(std::string_view location, const std::exception_ptr& failure) noexcept;

// The handler's result, or nothing when it failed (and was reported). The
// location ("Form1.WindowProc") is asked for only then.
template <class Location, class Handler>
std::optional<LRESULT> guarded(const Location& location, Handler&& handler) noexcept
{
    std::exception_ptr failure;
    try {
        return static_cast<LRESULT>(handler());
    } catch (...) {
        failure = std::current_exception();
    }
    // Reported outside the catch: the error box runs a message loop of its own.
    try {
        reportEscapedFailure(location(), failure);
    } catch (...) {
        // Naming the location failed (out of memory): nothing more can be said.
    }
    return std::nullopt;
}

}  // namespace mw::win32
