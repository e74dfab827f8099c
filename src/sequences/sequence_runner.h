#pragma once
// Every sequence, typing by a session of its own beside the main window's:
// each counts its own interval on a one-second tick that runs while any is
// on, takes its turns in the queue all sessions share, types into the window
// its rule finds, answers its own hotkey and keeps its on/off state stored.
// What each shows (its state) is here for the Sequences window and the tray
// menu; they learn of every change through changed.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/services.h"
#include "sequences/sequence.h"
#include "sequences/sequence_store.h"
#include "typing/auto_typing.h"
#include "typing/turn_queue.h"

namespace mw {

// How a sequence stands, as the Sequences window shows it.
inline constexpr const char* kSequenceOffText = "Off";

class SequenceRunner {
public:
    // tick: a timer of the program's, which this runner owns from now on.
    SequenceRunner(const Services& services, TurnQueue& queue, SettingsSections& sections, Timer& tick);
    ~SequenceRunner();
    SequenceRunner(const SequenceRunner&) = delete;
    SequenceRunner& operator=(const SequenceRunner&) = delete;

    // The program's main window (never typed into) and its hotkey, which no
    // sequence may take.
    void setMainWindow(WindowHandle window);
    // Reads the stored sequences; those stored on go on typing.
    void load();

    // By name.
    std::vector<Sequence> sequences() const;
    const Sequence* find(const std::string& name) const;
    // "On, next in 00:00:04", "Off", "Waiting for notepad.exe…", or what
    // the last turn left, and a note when another program holds its hotkey.
    std::string stateOf(const std::string& name) const;
    bool hotkeyTaken(const std::string& name) const;

    // What the user does with one; false for a name there is none of.
    bool turnOn(const std::string& name);
    bool turnOff(const std::string& name);
    bool toggle(const std::string& name);
    bool typeNow(const std::string& name);

    // New and changed sequences, checked as the editor checks them; a
    // changed one may have a new name. Stored at once.
    void add(const Sequence& sequence);
    void replace(const std::string& name, const Sequence& sequence);
    void remove(const std::string& name);
    // The sequence holding that hotkey (in the key notation), if any other
    // than the one named.
    std::optional<std::string> hotkeyHolder(const std::string& hotkey, const std::string& except) const;

    // The program closes: every turn ends, nothing stored changes.
    void shutDown();

    std::function<void()> changed;

private:
    struct Running;
    Running* running(const std::string& name) const;
    std::unique_ptr<Running> start(const Sequence& sequence);
    void claimHotkey(Running& r);
    void tick();
    void tickOne(Running& r);
    void setOn(Running& r, bool on);
    void typeOneTurn(Running& r);
    void updateTimer();
    void notify();

    Services services_;
    TurnQueue& queue_;
    SequenceStore store_;
    Timer& timer_;
    WindowHandle mainWindow_ = kNoWindow;
    std::vector<std::unique_ptr<Running>> running_;
    GlobalHotkey::Id nextHotkeyId_ = 100;
    bool shutDown_ = false;
};

}  // namespace mw
