#include "typing/typing_turn.h"

#include <algorithm>
#include <utility>

#include "targets/foreground.h"
#include "targets/window_list.h"
#include "typing/key_notation.h"
#include "typing/key_segments.h"
#include "typing/turn_hold.h"
#include "typing/typing_engine.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

// Bringing the target to the front: so many requests, each given this long
// for the target's thread to take the activation, looked at this often.
constexpr int kFrontAttempts = 5;
constexpr int kFrontAttemptMs = 100;
constexpr int kLookEveryMs = 5;
// Held keys and buttons: how long the turn waits for them to be let go.
constexpr int kKeyboardWaitMs = 5000;
constexpr int kKeyboardLookEveryMs = 20;
// The target taking a batch: how long it may take while still answering.
constexpr int kTakenLongestMs = 60000;
// Waiting for the user to be idle: looked at no more often than this.
constexpr int kIdleLookAtMostMs = 250;

// The keys (presses, modifiers aside) before each batch, and after the last.
std::vector<std::size_t> keysBeforeEachBatch(const std::vector<std::vector<KeyEvent>>& batches)
{
    std::vector<std::size_t> before{0};
    for (const std::vector<KeyEvent>& batch : batches) {
        const auto keys = std::count_if(batch.begin(), batch.end(), [](const KeyEvent& e) {
            return e.down && (e.kind == KeyEvent::Kind::Character || !vk::isModifier(e.virtualKey));
        });
        before.push_back(before.back() + static_cast<std::size_t>(keys));
    }
    return before;
}

}  // namespace

TypingTurn::TypingTurn(const TypingContext& context, WindowHandle target, std::string keyString,
                       const TurnOptions& options, TurnEvents events)
    : context_(context),
      target_(target),
      keyString_(std::move(keyString)),
      options_(options),
      events_(std::move(events)),
      job_(context.services.dialogs, context.services.steps, "mTypedKeys.TypeTextbox", [this] { return running(); },
           [this] { afterFailedStep(); }),
      channel_(options.background ? postedKeyChannel(context.services, target) : typedKeyChannel(context.services, target))
{
}

TypingTurn::~TypingTurn()
{
    if (running()) {
        job_.cancel();
        releaseHeldKeys();
    }
}

void TypingTurn::start()
{
    // A text with nothing to type, or one that does not parse, is the user's
    // to mend: the turn touches no window and says what is wrong.
    if (keyString_.empty()) return endWithoutKeys(kEmptyKeyTextText);
    if (const std::optional<KeyTextError> fault = checkKeyText(keyString_))
        return endWithoutKeys(kNothingTypedText + fault->message + ".");
    if (options_.waitForIdleMs > 0 && !options_.background) {
        waitForIdle();
        return;
    }
    prepare();
}

void TypingTurn::waitForIdle()
{
    const std::int64_t idle = context_.services.user.userIdleMs();
    if (idle >= options_.waitForIdleMs) {
        prepare();
        return;
    }
    phase_ = Phase::Idle;
    events_.status(kWaitingForIdleText);
    const std::int64_t left = options_.waitForIdleMs - idle;
    job_.next(std::min<std::int64_t>(left, kIdleLookAtMostMs), [this] { waitForIdle(); });
}

void TypingTurn::prepare()
{
    phase_ = Phase::Front;
    WindowSystem& windows = context_.services.windows;
    if (!job_.test(102, [&] { return target_ != kNoWindow; })) {
        job_.step(140, [&] { events_.status(kNoWindowsText); });
        phase_ = Phase::Done;
        if (events_.finished) events_.finished(SendOutcome::Sent);
        return;
    }
    bool ownWindow = false;
    job_.step(106, [&] { ownWindow = target_ == context_.mainWindowHandle; });
    if (ownWindow) {
        finish(SendOutcome::Sent);
        return;
    }
    // Posted keys need neither the front nor the user's hands off the keys.
    if (options_.background) return beginKeys();
    TurnHold hold = TurnHold::None;
    job_.step(107, [&] { hold = holdBeforeTurn(windows, target_); });
    if (hold != TurnHold::None) {
        hold_ = hold;
        finish(SendOutcome::Held);
        return;
    }
    if (options_.giveFocusBack) previousFront_ = windows.foregroundWindow();
    // The user's keys are let go before the target is raised and comes to
    // the front: in the middle of Alt+Tab or a drag it would come between.
    const auto raise = [this] {
        WindowSystem& system = context_.services.windows;
        job_.step(108, [&] { wasTopmost_ = setTopMost(system, target_); });
        raised_ = true;
        job_.step(110, [&] { system.show(target_); });
        beginKeys();
    };
    waitForKeyboard(raise);
}

void TypingTurn::beginKeys()
{
    phase_ = Phase::Keys;
    bool refused = false;
    job_.run(112, [&] {
        const std::vector<KeyEvent> events = parseKeyString(translateModifierCodes(keyString_));
        refused = !channel_->takes(events);
        batches_ = splitIntoBatches(events, kMaxEventsPerBatch);
        keysBefore_ = keysBeforeEachBatch(batches_);
    });
    if (!running()) return;
    if (refused) return finish(SendOutcome::ControlInBackground);
    WindowSystem& windows = context_.services.windows;
    KeyInjector& keys = context_.services.keys;
    if (!windows.exists(target_)) {
        finish(SendOutcome::NotInFront);
        return;
    }
    layout_ = keys.layoutOf(target_);
    // Reading the target's keyboard may let other events in (a stop among
    // them): a turn stopped meanwhile goes no further.
    if (stopping()) return;
    channel_->useLayout(*layout_);
    if (events_.progress)
        progress_.emplace(keysBefore_.back(), context_.services.clock.monotonicMs(),
                          context_.services.locale.format().thousandsSeparator);
    if (options_.background) {
        nextBatch();
        return;
    }
    if (windows.isHung(target_)) {
        finish(SendOutcome::NotInFront);
        return;
    }
    front_ = {target_};
    bringToFront();
}

void TypingTurn::waitForKeyboard(std::function<void()> then)
{
    if (!context_.services.user.held().any()) {
        then();
        return;
    }
    events_.status(kWaitingForKeyboardText);
    waitThen_ = std::move(then);
    waitUntilMs_ = context_.services.clock.monotonicMs() + kKeyboardWaitMs;
    job_.next(kKeyboardLookEveryMs, [this] { lookAtKeyboard(); });
}

void TypingTurn::lookAtKeyboard()
{
    job_.run(117, [&] {
        if (!context_.services.user.held().any()) return std::exchange(waitThen_, nullptr)();
        if (context_.services.clock.monotonicMs() >= waitUntilMs_) return finish(SendOutcome::KeyboardHeld);
        job_.next(kKeyboardLookEveryMs, [this] { lookAtKeyboard(); });
    });
}

void TypingTurn::bringToFront()
{
    WindowSystem& windows = context_.services.windows;
    job_.run(111, [&] {
        if (!windows.exists(target_)) return finish(SendOutcome::NotInFront);
        switch (askFront(front_)) {
        case FrontRequest::InFront: watchUserKeys_ = true; return nextBatch();
        case FrontRequest::Asking: return job_.next(kLookEveryMs, [this] { bringToFront(); });
        case FrontRequest::GaveUp: return finish(SendOutcome::NotInFront);
        }
    });
}

TypingTurn::FrontRequest::Look TypingTurn::askFront(FrontRequest& request)
{
    WindowSystem& windows = context_.services.windows;
    if (inFront(windows, request.window)) return FrontRequest::InFront;
    const std::int64_t now = context_.services.clock.monotonicMs();
    if (request.attempts > 0 && now < request.attemptEndsMs) return FrontRequest::Asking;
    if (request.attempts >= kFrontAttempts) return FrontRequest::GaveUp;
    // The foreground lock lets a program set the foreground when it is in
    // front itself (Type Now) or gave the last input: when asking alone did
    // not do, each further request comes with an input event of our own.
    windows.askForeground(request.window, request.attempts > 0);
    ++request.attempts;
    request.attemptEndsMs = now + kFrontAttemptMs;
    return FrontRequest::Asking;
}

void TypingTurn::nextBatch()
{
    if (batch_ >= batches_.size()) return finish(SendOutcome::Sent);
    const std::vector<KeyEvent>& events = batches_[batch_];
    if (events.front().kind == KeyEvent::Kind::Delay) {
        ++batch_;
        planMs_ = context_.services.clock.monotonicMs() + events.front().delayMs;
        return job_.next(events.front().delayMs, [this] { nextBatch(); });
    }
    job_.run(113, [&] {
        if (userKeys_ && userKeys_->pressed()) return finish(SendOutcome::StoppedByUserKeys);
        segment_ = 0;
        sent_ = 0;
        segments_ = channel_->load(events, options_.keyDelayMs, options_.keyHoldMs);
        // Keys of the turn that press the hotkey go in while it is held back,
        // so that they never trigger it; it is claimed again once the target
        // has taken them.
        heldBack_ = channel_->pressesAny(context_.services.hotkey.held());
        if (heldBack_) context_.services.hotkey.suspend();
        planMs_ = context_.services.clock.monotonicMs();
        sendSegment();
    });
}

void TypingTurn::sendSegment()
{
    job_.run(113, [&] {
        const KeySegment piece = segments_[segment_];
        const std::size_t begin = segment_ == 0 ? 0 : segments_[segment_ - 1].end;
        if (!send(begin, piece.end)) return;
        ++segment_;
        reportProgress();
        if (segment_ < segments_.size()) {
            // Each wait is measured from when the last one was due, so that
            // the waits of a long text do not add up to more than they say.
            planMs_ += piece.waitAfterMs;
            const std::int64_t now = context_.services.clock.monotonicMs();
            return job_.next(std::max<std::int64_t>(0, planMs_ - now), [this] { sendSegment(); });
        }
        ++batch_;
        if (fed()) {
            const std::int64_t now = context_.services.clock.monotonicMs();
            feed_.sent(sent_, now);
            if (batch_ >= batches_.size() && !heldBack_ && !options_.waitForLastKeys)
                return finish(SendOutcome::Sent);
            taken_ = channel_->watchTaken();
            waitUntilMs_ = now + kTakenLongestMs;
            return keepFed();
        }
        // The batch is in: the next goes once the target has taken it, after
        // the delay between keys.
        const int pauseMs = piece.waitAfterMs;
        waitUntilTaken(
            [this, pauseMs] {
                if (heldBack_) {
                    heldBack_ = false;
                    context_.services.hotkey.resume();
                }
                if (batch_ >= batches_.size()) return finish(SendOutcome::Sent);
                const auto go = [this] { nextBatch(); };
                if (options_.background) return job_.next(pauseMs, go);
                job_.next(pauseMs, [this, go] { waitForKeyboard(go); });
            },
            context_.services.clock.monotonicMs());
    });
}

void TypingTurn::waitUntilTaken(std::function<void()> then, std::int64_t sinceMs)
{
    // The last batch of a turn is not waited for unless the hotkey is held
    // back for it or the options ask: the turn is over once its keys are
    // handed over.
    if (batch_ >= batches_.size() && !heldBack_ && !options_.waitForLastKeys) return then();
    taken_ = channel_->watchTaken();
    waitThen_ = std::move(then);
    waitUntilMs_ = sinceMs + kTakenLongestMs;
    lookAtTarget();
}

void TypingTurn::lookAtTarget()
{
    job_.run(119, [&] {
        switch (taken_->taken()) {
        case KeyInjector::Taken::Yes: return std::exchange(waitThen_, nullptr)();
        case KeyInjector::Taken::NotResponding: return finish(SendOutcome::NotResponding);
        case KeyInjector::Taken::FocusLost:
            return finish(context_.services.windows.desktopTakesInput() ? SendOutcome::FocusLost
                                                                          : SendOutcome::DesktopLost);
        case KeyInjector::Taken::Pending: break;
        }
        // Alive all along yet never showing it took them: go on.
        if (context_.services.clock.monotonicMs() >= waitUntilMs_) return std::exchange(waitThen_, nullptr)();
        job_.next(kLookEveryMs, [this] { lookAtTarget(); });
    });
}

bool TypingTurn::send(std::size_t begin, std::size_t end)
{
    // Since the last keys the user may have taken the front (a button held
    // through a wait, a click) or pressed a key.
    if (!channel_->reachesTarget()) return finish(SendOutcome::FocusLost), false;
    if (userKeys_ && userKeys_->pressed()) return finish(SendOutcome::StoppedByUserKeys), false;
    // The watch on the user's keys starts before the first keys go in: a key
    // pressed while they go in counts too. (It holds no key up.)
    if (watchUserKeys_ && !userKeys_) userKeys_ = context_.services.user.watchUserKeys();
    const PieceSent sent = channel_->send(begin, end);
    if (sent.result == PieceSent::Result::TargetGone) return finish(SendOutcome::NotInFront), false;
    sent_ = sent.sentItems;
    if (sent.result == PieceSent::Result::Partial) {
        releaseHeldKeys();
        // The session was locked or a security prompt came up under the
        // keys: no fault, and the next turn types again.
        if (!context_.services.windows.desktopTakesInput()) return finish(SendOutcome::DesktopLost), false;
        fail(sent.failure);
    }
    return true;
}

void TypingTurn::reportProgress()
{
    if (!progress_) return;
    // Within a batch, its keys are counted as the share of its inputs sent.
    const std::size_t items = channel_->items();
    const std::size_t inBatch = keysBefore_[batch_ + 1] - keysBefore_[batch_];
    const std::size_t typed = keysBefore_[batch_] + (items == 0 ? 0 : inBatch * sent_ / items);
    if (const std::optional<std::string> text = progress_->update(typed, context_.services.clock.monotonicMs()))
        events_.progress(typed, progress_->keys(), *text);
}

void TypingTurn::keepFed()
{
    job_.run(119, [&] {
        const std::int64_t now = context_.services.clock.monotonicMs();
        switch (taken_->taken()) {
        case KeyInjector::Taken::Yes: feed_.caughtUp(now); break;
        case KeyInjector::Taken::NotResponding: return finish(SendOutcome::NotResponding);
        case KeyInjector::Taken::FocusLost:
            return finish(context_.services.windows.desktopTakesInput() ? SendOutcome::FocusLost
                                                                          : SendOutcome::DesktopLost);
        case KeyInjector::Taken::Pending:
            // Alive all along yet never showing it took them: go on as if it had.
            if (now >= waitUntilMs_) feed_.caughtUp(now);
            break;
        }
        // Keys that press the hotkey are all taken before it is claimed again,
        // and nothing goes meanwhile.
        if (heldBack_ && feed_.allTaken()) {
            heldBack_ = false;
            context_.services.hotkey.resume();
        }
        const bool last = batch_ >= batches_.size();
        if (last && !heldBack_ && (!options_.waitForLastKeys || feed_.allTaken())) return finish(SendOutcome::Sent);
        // Past the last batch, or with the hotkey held back, the target must
        // be seen to take every key sent.
        const std::optional<std::int64_t> due = last || heldBack_ ? std::nullopt : feed_.dueAt(now);
        if (due && *due <= now) return job_.next(0, [this] { waitForKeyboard([this] { nextBatch(); }); });
        // Each look costs the target a little too: the next is when the next
        // batch is due, or, when the target must be seen to take them all,
        // from when it is about to, and never further away than a bound.
        const std::int64_t lookAt = due ? *due : std::max(now + kLookEveryMs, feed_.nearlyTakenAt());
        job_.next(std::min(lookAt, now + kFeedLookAtMostMs) - now, [this] { keepFed(); });
    });
}

void TypingTurn::releaseHeldKeys()
{
    channel_->releaseHeld(sent_);
    sent_ = 0;
    if (heldBack_) {
        heldBack_ = false;
        context_.services.hotkey.resume();
    }
}

void TypingTurn::stop(SendOutcome why)
{
    if (!running()) return;
    job_.whenNoStepRuns([this, why] {
        job_.cancel();
        // Only the focus was still to be given back: the turn is over as it was.
        if (phase_ == Phase::Ending) return complete(ending_);
        releaseHeldKeys();
        finish(why);
    });
}

void TypingTurn::afterFailedStep()
{
    // A step that failed was reported at its line; the turn goes on with its
    // last steps, as a turn whose keys were rejected does.
    if (phase_ == Phase::Ending)
        complete(ending_);
    else
        finish(SendOutcome::Sent);
}

void TypingTurn::finish(SendOutcome outcome)
{
    if (!running() || phase_ == Phase::Ending) return;
    phase_ = Phase::Ending;
    ending_ = outcome;
    job_.cancel();
    watchUserKeys_ = false;
    userKeys_.reset();
    if (heldBack_) {
        heldBack_ = false;
        context_.services.hotkey.resume();
    }
    WindowSystem& windows = context_.services.windows;
    // The window the user was in comes back to the front; the target stays
    // right below it, where the release put it.
    const bool focusBack = previousFront_ != kNoWindow && previousFront_ != target_ &&
                           outcome == SendOutcome::Sent && windows.exists(previousFront_);
    if (raised_) job_.step(114, [&] { clearTopMost(windows, target_, wasTopmost_); });
    if (focusBack) {
        back_ = {previousFront_};
        return giveFocusBack();
    }
    complete(outcome);
}

void TypingTurn::giveFocusBack()
{
    job_.run(115, [&] {
        if (!context_.services.windows.exists(previousFront_)) return complete(ending_);
        // Left behind after every request: the turn is over all the same.
        if (askFront(back_) != FrontRequest::Asking) return complete(ending_);
        job_.next(kLookEveryMs, [this] { giveFocusBack(); });
    });
}

void TypingTurn::endWithoutKeys(std::string why)
{
    noKeysReason_ = std::move(why);
    phase_ = Phase::Ending;
    complete(SendOutcome::NoKeys);
}

void TypingTurn::complete(SendOutcome outcome)
{
    if (phase_ == Phase::Done) return;
    phase_ = Phase::Done;
    job_.cancel();
    job_.step(136, [&] {
        events_.status(outcome == SendOutcome::NoKeys ? noKeysReason_
                                                      : outcomeText(outcome, hold_, context_.services.clock));
    });
    job_.step(138, [&] { events_.rebuildList(); });
    if (events_.finished) events_.finished(outcome);
}

}  // namespace mw
