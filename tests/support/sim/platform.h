#pragma once
// A whole simulated platform: every service, in memory.
#include "platform/services.h"
#include "sim/services.h"
#include "sim/window_system.h"

namespace mw::sim {

struct SimPlatform {
    SimWindowSystem windows;
    SimSettingsStore settings;
    SimDialogs dialogs;
    SimFiles files;
    SimClock clock;
    SimLocale locale;
    SimEventLoop events;
    SimRegistry registry;
    SimNotificationArea tray;
    SimKeyInjector keys;
    SimGlobalHotkey hotkey;
    SimStepTimer steps{clock};
    SimKeyPoster posting;
    SimSettingsSections sections;
    SimFileDialogs fileDialogs;

    // While it lives, the steps of a job run once each event is handled.
    SimPlatform() : previousHook_(afterEvent()) { afterEvent() = [this] { steps.settle(); }; }
    ~SimPlatform() { afterEvent() = previousHook_; }
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    std::function<void()> previousHook_;

    Services services()
    {
        return Services{windows, settings, dialogs, files, clock,  locale, events,
                        registry, tray,    keys,   hotkey, steps, posting, sections, fileDialogs, keys};
    }
};

}  // namespace mw::sim
