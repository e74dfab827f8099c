#pragma once
// A whole simulated platform: every service and the main window's controls.
#include "main_window/form1_controls.h"
#include "platform/services.h"
#include "platform/sim/controls.h"
#include "platform/sim/list_view.h"
#include "platform/sim/services.h"
#include "platform/sim/window_system.h"

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

    SimForm form;
    SimFrame Frame1{"Keys"}, Frame2{"On. Next type will occur in"}, Frame3{"Startup Options"};
    SimProgressBar ProgressBar1;
    SimListView ListView1, ListView2;
    SimButton PushButton1{"Refresh List"}, PushButton2{"Type Now (Test)"}, PushButton3{"Help"},
        PushButton4{"Turn On"};
    SimTextBox Text2;
    SimCheckBox Check4, Check8;
    SimTimer Timer1;

    SimPlatform() { Check8.setVisible(false); }
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Services services()
    {
        return Services{windows, settings, dialogs, files, clock, locale, events, registry, tray, keys, hotkey};
    }
    Form1Controls form1Controls()
    {
        return Form1Controls{form,        Frame1,      Frame2,      Frame3,      ProgressBar1,
                             ListView1,   ListView2,   PushButton1, PushButton2, PushButton3,
                             PushButton4, Text2,       Check4,      Check8,      Timer1};
    }
};

}  // namespace mw::sim
