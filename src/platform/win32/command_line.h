#pragma once
// The program's command line, as the Windows start gave it.
#include <string>
#include <vector>

#include "commands/command_start.h"
#include "platform/clock.h"
#include "platform/running_copies.h"

namespace mw::win32 {

// The arguments after the program's path, split as Windows splits them
// (quotes group blanks), in UTF-8.
std::vector<std::string> commandLineArguments();

// What this start does with its command line; a failure is told to the
// caller's console.
StartDecision startFromCommandLine(RunningCopies& copies, Clock& clock);

}  // namespace mw::win32
