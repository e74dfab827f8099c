#pragma once
// The start-at-logon entry (modules mStartUp and RegStuff): a Run value named
// after the program's own executable whose data is its full path in quotes.
// It goes under the machine-wide Run key when that can be written, else under
// the user's own.
#include <string>

#include "platform/files.h"
#include "platform/registry.h"

namespace mw {

inline constexpr const char* kMachineRunKey = "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\";
inline constexpr const char* kUserRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kStartupApprovedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The value's data: the executable's full path, quoted so that a path with
// blanks cannot be read as another program plus arguments.
std::string startupCommand(Files& files);

enum class StartupChange {
    Done,
    // Neither Run key could be written.
    Refused,
    // The entry is written but stays switched off in the system's list of
    // startup apps: its flag there could not be changed.
    SwitchedOff,
};

// Writes the entry and switches it on in the system's list of startup apps.
StartupChange AddToStartup(Registry& registry, Files& files);
// Deletes the entry from both Run keys; false when it is still there and
// active (a machine-wide entry needs an administrator to delete it).
bool RemoveFromStartup(Registry& registry, Files& files);
// The entry exists and the user has not disabled it in the system's list of
// startup programs.
bool startupEntryActive(Registry& registry, Files& files);

}  // namespace mw
