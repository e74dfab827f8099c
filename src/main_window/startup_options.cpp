#include "main_window/startup_options.h"

#include "shell/product.h"

namespace mw {

StartupOptions::StartupOptions(SettingsStore& settings, Registry& registry, Files& files)
    : settings_(settings), registry_(registry), files_(files)
{
}

void StartupOptions::restoreEntry() { entry_ = startupEntryActive(registry_, files_); }

void StartupOptions::restoreInTray() { inTray_ = entry_ && settings_.read(setting::kMinimized, "Off") == "On"; }

void StartupOptions::entryTicked() { entry_ = true; }

void StartupOptions::entryCleared()
{
    inTrayBeforeClearing_ = inTray_;
    entry_ = false;
    if (inTray_) {
        inTray_ = false;
        storeInTray();
    }
}

void StartupOptions::inTrayChosen(bool inTray) { inTray_ = entry_ && inTray; }

void StartupOptions::storeEntry() { settings_.write(setting::kWindowsStartup, entry_ ? "On" : "Off"); }

void StartupOptions::storeInTray() { settings_.write(setting::kMinimized, inTray_ ? "On" : "Off"); }

StartupChange StartupOptions::addEntry()
{
    const StartupChange change = AddToStartup(registry_, files_);
    if (change != StartupChange::Done) {
        entry_ = false;
        inTray_ = false;
        storeEntry();
    }
    return change;
}

bool StartupOptions::removeEntry()
{
    if (RemoveFromStartup(registry_, files_)) return true;
    entry_ = true;
    storeEntry();
    inTray_ = inTrayBeforeClearing_;
    if (inTray_) storeInTray();
    return false;
}

}  // namespace mw
