#pragma once
// The copies of the program in the user's session, as a new start sees them.
#include <optional>
#include <string>

namespace mw {

class RunningCopies {
public:
    virtual ~RunningCopies() = default;
    // Takes the session's one token of a running copy; false while another
    // copy holds it, also one whose token this start may not even open (an
    // elevated copy's).
    virtual bool claim() = 0;
    // Asks the copies that run to show their main window; true when one
    // answered that it did. A copy that is closing answers no.
    virtual bool askToShow() = 0;
    // Hands a command (UTF-8 text) to the copy that runs, without showing
    // it; the number it answered with, or nullopt when no copy took it (none
    // answered, or one closing, or one still starting).
    virtual std::optional<int> sendCommand(const std::string& command) = 0;
    // Sleeps that long.
    virtual void pause(int milliseconds) = 0;
};

}  // namespace mw
