#include "integration/start_up.h"

namespace mw {

std::string startupCommand(Files& files)
{
    std::string folder = files.programFolder();
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return "\"" + folder + files.programFileName() + "\"";
}

bool AddToStartup(Registry& registry, Files& files)
{
    const std::string name = files.programFileName();
    const std::string data = startupCommand(files);
    if (registry.setString(Hive::LocalMachine, kMachineRunKey, name, data)) return true;
    // Not elevated: the machine-wide key is closed to us; start at this
    // user's logon instead.
    return registry.setString(Hive::CurrentUser, kUserRunKey, name, data);
}

void RemoveFromStartup(Registry& registry, Files& files)
{
    const std::string name = files.programFileName();
    registry.deleteValue(Hive::LocalMachine, kMachineRunKey, name);
    registry.deleteValue(Hive::CurrentUser, kUserRunKey, name);
}

bool startupEntryActive(Registry& registry, Files& files)
{
    const std::string name = files.programFileName();
    struct Place {
        Hive hive;
        const char* key;
    };
    for (const Place& place : {Place{Hive::LocalMachine, kMachineRunKey}, Place{Hive::CurrentUser, kUserRunKey}}) {
        if (!registry.getString(place.hive, place.key, name)) continue;
        // The startup-apps settings keep a flag per entry; an odd first byte
        // means the user switched the entry off.
        const auto approval = registry.getBinary(place.hive, kStartupApprovedKey, name);
        const bool disabled = approval && !approval->empty() && (static_cast<unsigned char>((*approval)[0]) & 1);
        if (!disabled) return true;
    }
    return false;
}

}  // namespace mw
