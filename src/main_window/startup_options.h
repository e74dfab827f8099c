#pragma once
// The two start-up boxes and the start-at-logon entry as one small state
// machine: the first box is whether the entry is there and switched on, the
// second (offered only with the entry) whether the program starts in the
// tray. The handlers run its steps and show its state in the boxes; setting a
// box from here raises no click, so no step runs twice.
#include "integration/start_up.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/settings_store.h"

namespace mw {

// What the user is told when the entry could not be changed; the boxes then
// show what is true.
inline constexpr const char* kEntryRefusedText =
    "The program could not be set to start with Windows: the registry refused the start-up entry.";
inline constexpr const char* kEntrySwitchedOffText =
    "The program could not be set to start with Windows: it is switched off in the list of startup apps of the "
    "Windows settings, and that setting could not be changed.";
inline constexpr const char* kEntryNotRemovedText =
    "The program still starts with Windows: its start-up entry could not be removed. An entry for all users of "
    "this computer can only be removed by a program run as administrator.";

class StartupOptions {
public:
    StartupOptions(SettingsStore& settings, Registry& registry, Files& files);

    // What the boxes show.
    bool entry() const { return entry_; }
    bool inTray() const { return inTray_; }
    bool inTrayOffered() const { return entry_; }

    // At startup, the entry as it stands, then (with the entry) the stored
    // choice of starting in the tray. Nothing is written.
    void restoreEntry();
    void restoreInTray();

    // The first box ticked: the second is offered, unchecked.
    void entryTicked();
    // The first box cleared: the second goes, cleared, writing "Minimized"
    // "Off" when it was checked.
    void entryCleared();
    // The second box set by the user.
    void inTrayChosen(bool inTray);

    // "Windows Startup" and "Minimized" written as the boxes now show them.
    void storeEntry();
    void storeInTray();

    // Writes the entry. When that fails the boxes go back to what is true
    // (the entry off) and "Windows Startup" says "Off" again.
    StartupChange addEntry();
    // Deletes the entry. When it cannot be deleted the boxes go back to what
    // is true (the entry on, the second box as it was) and both settings say
    // so again. Returns whether it is gone.
    bool removeEntry();

private:
    SettingsStore& settings_;
    Registry& registry_;
    Files& files_;
    bool entry_ = false;
    bool inTray_ = false;
    // The second box as it was when the first was cleared: it comes back
    // with an entry that could not be removed.
    bool inTrayBeforeClearing_ = false;
};

}  // namespace mw
