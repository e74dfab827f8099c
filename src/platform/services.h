#pragma once
// Every service through which the logic reaches the system, in one bundle that
// the Win32 program and the tests each assemble from their implementations.
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/global_hotkey.h"
#include "platform/key_injection.h"
#include "platform/key_posting.h"
#include "platform/locale.h"
#include "platform/notification_area.h"
#include "platform/registry.h"
#include "platform/settings_sections.h"
#include "platform/settings_store.h"
#include "platform/step_timer.h"
#include "platform/user_input.h"
#include "platform/window_system.h"

namespace mw {

struct Services {
    WindowSystem& windows;
    SettingsStore& settings;
    Dialogs& dialogs;
    Files& files;
    Clock& clock;
    Locale& locale;
    EventLoop& events;
    Registry& registry;
    NotificationArea& tray;
    KeyInjector& keys;
    GlobalHotkey& hotkey;
    StepTimer& steps;
    KeyPosting& posting;
    SettingsSections& sections;
    FileDialogs& fileDialogs;
    UserInput& user;
};

}  // namespace mw
