#include "typing/auto_typing.h"

#include "typing/key_notation.h"

namespace mw {

AutoTyping::AutoTyping(const Services& services, TurnQueue& queue, View view, std::uint32_t randomStart)
    : services_(services), queue_(queue), view_(std::move(view)), schedule_(randomStart)
{
    queue_.join(this);
}

AutoTyping::~AutoTyping()
{
    turn_.reset();  // a turn under way lets go of its keys
    queue_.leave(this);
}

std::vector<std::string> AutoTyping::keysOf(const std::string& text)
{
    if (auto keys = keyUnits(text)) return std::move(*keys);
    return {text};
}

void AutoTyping::setOptions(const SessionOptions& options)
{
    options_ = options;
    schedule_.setJitter(options.jitterSeconds);
    schedule_.setStopRules(options.stopRules);
}

void AutoTyping::turnOff()
{
    schedule_.turnOff();
    // A turn under way ends at once, letting go of every key it holds.
    stopTurn(SendOutcome::TurnedOff);
}

bool AutoTyping::stopIfDue(std::int64_t nowMs)
{
    if (schedule_.stopDue(nowMs) != StopReason::Minutes) return false;
    stop("Off. Stopped after " + std::to_string(schedule_.stopRules().afterMinutes) + " minutes.");
    return true;
}

void AutoTyping::stop(const std::string& why)
{
    turnOff();
    if (view_.stopped) view_.stopped(why);
}

bool AutoTyping::turnRunning() const
{
    // A turn that has ended is over for whoever asks while its end is told,
    // though it holds its place in the queue until then.
    if (queue_.runs(this)) return turn_ && turn_->running();
    return queue_.holds(this);
}

void AutoTyping::stopTurn(SendOutcome why)
{
    queue_.withdraw(this);
    if (turn_ && turn_->running()) turn_->stop(why);
}

void AutoTyping::typeTurn(const std::string& keys)
{
    const TurnTarget target = view_.target();
    if (!target.nothingTyped.empty()) return view_.status(target.nothingTyped);
    startTurn(keys, target.window, true, nullptr);
}

void AutoTyping::typeNow(const std::string& keys, WindowHandle target, std::function<void(SendOutcome)> then)
{
    startTurn(keys, target, false, std::move(then));
}

void AutoTyping::startTurn(const std::string& keys, WindowHandle target, bool automatic,
                           std::function<void(SendOutcome)> then)
{
    queue_.request(this, [this, keys, target, automatic, then = std::move(then)]() mutable {
        runTurn(keys, target, automatic, std::move(then));
    });
}

void AutoTyping::runTurn(const std::string& keys, WindowHandle target, bool automatic,
                         std::function<void(SendOutcome)> then)
{
    TurnOptions options = options_.turns;
    // Another session's turn may come next and take the front: this one is
    // over only once its target has taken its keys, lest the last of them
    // reach the next target or none.
    options.waitForLastKeys = queue_.shared();
    if (!automatic) {
        options.giveFocusBack = false;
        options.waitForIdleMs = 0;
    }
    TurnEvents events;
    events.status = view_.status;
    events.rebuildList = view_.rebuildTargets;
    events.progress = view_.progress;
    if (!events.progress) events.progress = [status = view_.status](std::size_t, std::size_t, const std::string& text) {
        status(text);
    };
    events.finished = [this, automatic, then = std::move(then)](SendOutcome outcome) {
        if (view_.turnOver) view_.turnOver(outcome);
        afterTurn(outcome, automatic);
        if (then) then(outcome);
        queue_.finished(this);
    };
    // Held here before it starts: a stop can come from its very first steps
    // (the hotkey while it waits for the keyboard).
    turn_ = std::make_unique<TypingTurn>(TypingContext{services_, mainWindow_}, target, keys, options,
                                         std::move(events));
    turn_->start();
}

void AutoTyping::afterTurn(SendOutcome outcome, bool automatic)
{
    if (!schedule_.on()) return;
    // The hotkey pressed during the turn stopped it; it stops automatic typing
    // too (it never turns it on: it was pressed to stop).
    if (outcome == SendOutcome::StoppedByHotkey) return stop("Off.");
    // Keys of the user's own during a turn stop it as the hotkey does: the
    // user has taken over the keyboard, and the next turn would cut in again.
    if (outcome == SendOutcome::StoppedByUserKeys) return stop(std::string("Off. ") + kStoppedByUserKeysText);
    if (!automatic || outcome != SendOutcome::Sent) return;
    schedule_.countTurn();
    if (schedule_.stopDue(services_.clock.monotonicMs()) == StopReason::Turns)
        stop("Off. Stopped after " + std::to_string(schedule_.stopRules().afterTurns) + " turns.");
}

}  // namespace mw
