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

// Writes the entry; false when neither Run key could be written.
bool AddToStartup(Registry& registry, Files& files);
// Deletes the entry from both Run keys.
void RemoveFromStartup(Registry& registry, Files& files);
// The entry exists and the user has not disabled it in the system's list of
// startup programs.
bool startupEntryActive(Registry& registry, Files& files);

}  // namespace mw
