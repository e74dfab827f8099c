#pragma once
// The Win32 services behind the platform interfaces.
#include <optional>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/window_system.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32WindowSystem final : public WindowSystem {
public:
    WindowHandle firstTopLevel() override;
    WindowHandle nextBelow(WindowHandle window) override;
    WindowHandle owner(WindowHandle window) override;
    std::string title(WindowHandle window) override;
    bool isVisible(WindowHandle window) override;
    bool exists(WindowHandle window) override;
    void setTopmostBand(WindowHandle window, bool topmost) override;
    void showDefault(WindowHandle window) override;
    bool bringToForeground(WindowHandle window) override;
};

// Per-user settings under the key where classic Windows programs keep theirs:
// HKCU\Software\VB and VBA Program Settings\<application>\<section>.
class Win32SettingsStore final : public SettingsStore {
public:
    Win32SettingsStore(const std::string& application, const std::string& section);
    std::string read(const std::string& key, const std::string& fallback) override;
    void write(const std::string& key, const std::string& value) override;

private:
    std::wstring keyPath_;
};

class Win32Dialogs final : public Dialogs {
public:
    // The window the dialogs are modal to.
    void setOwner(HWND owner) { owner_ = owner; }

protected:
    void showWarning(const std::string& text, const std::string& title) override;
    std::optional<std::string> showInput(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;

private:
    HWND owner() const;
    HWND owner_ = nullptr;
};

class Win32Files final : public Files {
public:
    std::string programFolder() override;
    std::string programFileName() override;
    bool exists(const std::string& path) override;
    bool isOrdinaryFile(const std::string& path) override;
    std::string readAll(const std::string& path) override;
};

class Win32Clock final : public Clock {
public:
    std::int64_t monotonicMs() override;
    std::string nowText() override;
};

class Win32Locale final : public Locale {
public:
    LocaleFormat format() override;
};

class Win32EventLoop final : public EventLoop {
public:
    void processPending() override;
    void waitForEvents(int timeoutMs) override;
    bool quitRequested() const override { return quit_; }

private:
    bool quit_ = false;
};

class Win32Registry final : public Registry {
public:
    bool setString(Hive hive, const std::string& keyPath, const std::string& name,
                   const std::string& data) override;
    bool setBinary(Hive hive, const std::string& keyPath, const std::string& name,
                   const std::string& data) override;
    bool deleteValue(Hive hive, const std::string& keyPath, const std::string& name) override;
    std::optional<std::string> getString(Hive hive, const std::string& keyPath, const std::string& name) override;
    std::optional<std::string> getBinary(Hive hive, const std::string& keyPath, const std::string& name) override;
};

// Dispatches one message, letting the active window's dialog navigation
// (Tab, arrow keys) see it first. Used by every message loop of the program.
void dispatch(MSG& message);

}  // namespace mw::win32
