#include "integration/start_up.h"

namespace mw {

std::string startupCommand(Files& files)
{
    std::string folder = files.programFolder();
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return "\"" + folder + files.programFileName() + "\"";
}

namespace {

// The startup-apps settings keep a flag per entry, under the same hive as the
// entry: 12 bytes, a 32-bit state whose low bit set means switched off by the
// user, then the time it was switched off.
bool switchedOff(Registry& registry, Hive hive, const std::string& name)
{
    const auto flag = registry.getBinary(hive, kStartupApprovedKey, name);
    return flag && !flag->empty() && (static_cast<unsigned char>((*flag)[0]) & 1);
}

}  // namespace

StartupChange AddToStartup(Registry& registry, Files& files)
{
    const std::string name = files.programFileName();
    const std::string data = startupCommand(files);
    Hive hive = Hive::LocalMachine;
    if (!registry.setString(hive, kMachineRunKey, name, data)) {
        // Not elevated: the machine-wide key is closed to us; start at this
        // user's logon instead.
        hive = Hive::CurrentUser;
        if (!registry.setString(hive, kUserRunKey, name, data)) return StartupChange::Refused;
    }
    // A switched-off flag outlives the Run value being written again: Windows
    // would still not start the program. Switch it on as the settings do
    // (state 2, no time), or failing that drop it.
    if (switchedOff(registry, hive, name)) {
        static const std::string kEnabled = std::string(1, '\x02') + std::string(11, '\0');
        if (!registry.setBinary(hive, kStartupApprovedKey, name, kEnabled))
            registry.deleteValue(hive, kStartupApprovedKey, name);
    }
    return startupEntryActive(registry, files) ? StartupChange::Done : StartupChange::SwitchedOff;
}

bool RemoveFromStartup(Registry& registry, Files& files)
{
    const std::string name = files.programFileName();
    registry.deleteValue(Hive::LocalMachine, kMachineRunKey, name);
    registry.deleteValue(Hive::CurrentUser, kUserRunKey, name);
    // The deletes' results do not tell: without rights to the machine-wide
    // key the delete fails whether or not the value is there.
    return !startupEntryActive(registry, files);
}

bool startupEntryActive(Registry& registry, Files& files)
{
    const std::string name = files.programFileName();
    struct Place {
        Hive hive;
        const char* key;
    };
    for (const Place& place : {Place{Hive::LocalMachine, kMachineRunKey}, Place{Hive::CurrentUser, kUserRunKey}})
        if (registry.getString(place.hive, place.key, name) && !switchedOff(registry, place.hive, name)) return true;
    return false;
}

}  // namespace mw
