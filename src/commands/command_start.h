#pragma once
// A start with a command line: a command for the copy that runs goes to it
// and the start ends with its answer; with no copy running the start goes on
// as the program, which carries the command out once it has started. A
// command line that cannot be used ends the start with the reason told to
// its caller. A start without one shows the running copy or runs, as ever.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/command.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/running_copies.h"
#include "platform/settings_sections.h"

namespace mw {

struct StartContext {
    RunningCopies& copies;
    Clock& clock;
    Files& files;
    SettingsSections& sequences;  // the stored sequences, for a start that runs
    // Tells the caller (its console) why the start failed.
    std::function<void(const std::string& text)> tellCaller;
};

struct StartDecision {
    bool run = false;               // goes on as the session's copy
    int exitCode = 0;               // when it ends here
    std::optional<Command> command;  // for the program to carry out once started
};

// arguments: the command line's, without the program's path.
StartDecision decideStart(const std::vector<std::string>& arguments, const StartContext& context);

}  // namespace mw
