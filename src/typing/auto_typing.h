#pragma once
// One typing session as plain data and rules, with no control in it: whether
// automatic typing is on, its interval and mode, the seconds counted towards
// the next turn, the window it types into, how its turns go and the turn
// under way. Its calls are what the user does and what time does; what it
// answers is what a window shows. The main window shows one.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "targets/chosen_target.h"
#include "typing/schedule.h"
#include "typing/turn_queue.h"
#include "typing/typing_turn.h"

namespace mw {

// How a session's turns go: the jitter and stop rules of automatic typing,
// and how keys go in (focus back and waiting for idle for automatic turns only).
struct SessionOptions {
    int jitterSeconds = 0;
    StopRules stopRules;
    TurnOptions turns;
};

class AutoTyping {
public:
    // What the session asks of whoever shows it.
    struct View {
        std::function<void(const std::string&)> status;  // the status line
        std::function<void()> rebuildTargets;             // the window list, after each turn
        // Where the next automatic turn goes.
        std::function<TurnTarget()> target;
        // Automatic typing turned itself off (a stop rule, the hotkey or the
        // user's keys during a turn); the status says why.
        std::function<void(const std::string& why)> stopped;
        // A turn is over, and how it went (optional).
        std::function<void(SendOutcome)> turnOver;
        // How far a long turn has come (optional; else the status says it).
        std::function<void(std::size_t typed, std::size_t keys, const std::string& text)> progress;
    };

    // randomStart: the jitter's random generator starts there (fixed in tests).
    // Its turns take their place in the queue every session shares.
    AutoTyping(const Services& services, TurnQueue& queue, View view, std::uint32_t randomStart);
    ~AutoTyping();
    AutoTyping(const AutoTyping&) = delete;
    AutoTyping& operator=(const AutoTyping&) = delete;

    // The program's main window, which is never typed into.
    void setMainWindow(WindowHandle mainWindow) { mainWindow_ = mainWindow; }
    void setOptions(const SessionOptions& options);

    // On and off. Turning on counts the stop rules from now; turning off ends
    // a turn under way at once.
    bool on() const { return schedule_.on(); }
    void turnOn(std::int64_t nowMs) { schedule_.turnOn(nowMs); }
    void turnOff();
    // Turns automatic typing off when a stop rule says so (minutes); true
    // when it did.
    bool stopIfDue(std::int64_t nowMs);

    // The interval, and the seconds of the "every x seconds" intervals.
    void chooseInterval(const Interval& interval)
    {
        interval_ = interval;
        updateInterval();
    }
    bool asksForSeconds() const { return interval_.asksForSeconds(); }
    bool oneKey() const { return interval_.oneKey; }
    std::int32_t CustomSeconds() const { return customSeconds_; }
    void setCustomSeconds(std::int32_t seconds) { customSeconds_ = seconds; }
    std::int32_t GetIntervalSeconds() const { return interval_.asksForSeconds() ? customSeconds_ : interval_.seconds; }

    // The count towards the next turn. updateInterval takes the interval as
    // chosen now, with the custom seconds; tick counts a second.
    void updateInterval() { schedule_.setInterval(GetIntervalSeconds()); }
    Countdown tick() { return schedule_.tick(); }
    void restartCount() { schedule_.restartCount(); }
    const Schedule& schedule() const { return schedule_; }

    // One-key mode: the keys of a text turn by turn (a character, a brace code
    // with its repeat, a prefix with its key or group), and the position of
    // the next. A text that does not parse is one turn, which says why
    // nothing is typed.
    static std::vector<std::string> keysOf(const std::string& text);
    std::int32_t CharPosition() const { return schedule_.CharPosition(); }
    bool positionWithin(std::size_t keys) const { return schedule_.positionWithin(keys); }
    void nextCharacter() { schedule_.nextCharacter(); }
    void restartCharacters() { schedule_.restartCharacters(); }

    // A turn of automatic typing, where the view says it goes.
    void typeTurn(const std::string& keys);
    // Type Now: the keys once, into this window; then runs when it is over.
    void typeNow(const std::string& keys, WindowHandle target, std::function<void(SendOutcome)> then);
    // A turn of this session waits for its place or runs.
    bool turnRunning() const;
    // A turn of any session runs.
    bool anyTurnRunning() const { return queue_.busy(); }
    // Ends the turn under way (or drops the one waiting), for this reason.
    void stopTurn(SendOutcome why);

private:
    void startTurn(const std::string& keys, WindowHandle target, bool automatic,
                   std::function<void(SendOutcome)> then);
    void runTurn(const std::string& keys, WindowHandle target, bool automatic, std::function<void(SendOutcome)> then);
    // What follows every turn: the hotkey or the user's keys that stopped it
    // stop automatic typing, and an automatic turn counts towards the stop rule.
    void afterTurn(SendOutcome outcome, bool automatic);
    void stop(const std::string& why);

    Services services_;
    TurnQueue& queue_;
    View view_;
    Schedule schedule_;
    Interval interval_;
    std::int32_t customSeconds_ = 0;
    SessionOptions options_;
    WindowHandle mainWindow_ = kNoWindow;
    // The turn under way, or the last one; one at a time.
    std::unique_ptr<TypingTurn> turn_;
};

}  // namespace mw
