#pragma once
// The automatic typing schedule, with no control in it: whether typing is on,
// the interval, the seconds counted towards the next turn and, in
// one-character mode, the position of the next character. The main window's
// handlers run its steps and show what it answers.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace mw {

// What one tick shows, and whether a turn is due.
struct Countdown {
    int progressMax = 1;
    std::optional<int> progressValue;  // unset: the bar keeps the value it has
    std::int32_t secondsLeft = 0;      // negative once the count has passed the interval
    bool due = false;
};

// How often a session types, and how much of its keys.
struct Interval {
    std::int32_t seconds = 1;  // 0: the seconds the user is asked for
    bool oneKey = false;       // one key of the text a turn, not the whole text
    bool asksForSeconds() const { return seconds == 0; }
};

// When automatic typing turns itself off; 0 is never.
struct StopRules {
    int afterTurns = 0;
    int afterMinutes = 0;
};
enum class StopReason { None, Turns, Minutes };

class Schedule {
public:
    // The random generator's starting value decides the jitter: fixed in tests, random in use.
    explicit Schedule(std::uint32_t randomStart);

    bool on() const { return on_; }
    // Typing on from this moment: the stop conditions count from here, and the
    // next interval gets its jitter.
    void turnOn(std::int64_t nowMs);
    void turnOff() { on_ = false; }

    // Each interval is the chosen one plus a uniform random value within
    // plus or minus this many seconds, never less than a second.
    void setJitter(int seconds);
    void setStopRules(const StopRules& rules) { stopRules_ = rules; }
    // An automatic turn was typed.
    void countTurn() { ++turnsTyped_; }
    // Whether typing is due to turn itself off now, and why.
    StopReason stopDue(std::int64_t nowMs) const;
    const StopRules& stopRules() const { return stopRules_; }

    std::int32_t IntervalSeconds() const { return intervalSeconds_; }
    std::int32_t ElapsedSeconds() const { return elapsedSeconds_; }
    // 1-based; 32-bit so that one-character mode goes on through texts longer
    // than 32767 characters.
    std::int32_t CharPosition() const { return charPosition_; }

    // The interval of the option chosen now; a change takes effect at once.
    void setInterval(std::int32_t seconds) { intervalSeconds_ = seconds; }
    // The interval this count runs to: the chosen one with its jitter. An
    // interval of 0 or less stays as it is (never due).
    std::int32_t currentInterval() const;
    // Counts one second and answers the countdown. A turn is due once the
    // count has reached the interval, also when it had passed it (a shorter
    // interval chosen, or typing turned back on after a pause); an interval
    // of 0 or less is never due, and its bar stays empty.
    Countdown tick();
    // The count starts again (a new interval chosen, a turn typed), with a new
    // jitter.
    void restartCount();

    // One-character mode: whether the position is still within a text of so
    // many characters; the next character; the first one again.
    bool positionWithin(std::size_t characters) const
    {
        return static_cast<std::int64_t>(characters) >= charPosition_;
    }
    void nextCharacter() { ++charPosition_; }
    void restartCharacters() { charPosition_ = 1; }

private:
    void drawJitter();

    std::mt19937 random_;
    int jitterSeconds_ = 0;
    std::int32_t jitterOffset_ = 0;
    StopRules stopRules_;
    int turnsTyped_ = 0;
    std::int64_t onSinceMs_ = 0;
    bool on_ = false;
    std::int32_t intervalSeconds_ = 0;
    std::int32_t elapsedSeconds_ = 0;
    std::int32_t charPosition_ = 1;
};

}  // namespace mw
