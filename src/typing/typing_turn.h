#pragma once
// One typing turn as a job, not a call: its numbered steps run one after
// another from the message loop, and every wait in between (for the user to
// stop typing, for held keys to be let go, for the target to come to the
// front or to take its keys, for a {DELAY}, between keys and while a key is
// held) is a step scheduled on the step timer. So the program answers every
// click, its tray menu, the hotkey and a close at any point of a turn, and a
// stop ends the turn at once, with every key it holds let go.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "typing/key_feed.h"
#include "typing/key_segments.h"
#include "typing/key_channel.h"
#include "typing/step_job.h"
#include "typing/turn_hold.h"
#include "typing/turn_progress.h"
#include "typing/typing_outcome.h"

namespace mw {

// How a turn types, beyond its keys.
struct TurnOptions {
    int keyDelayMs = 0;  // between keys; 0: batches as fast as the target takes them
    int keyHoldMs = 0;   // each key held down this long
    // The window in front before the turn gets the foreground back after it.
    bool giveFocusBack = false;
    // Keys posted to the target's focused control; it is neither raised nor
    // shown and the foreground never changes.
    bool background = false;
    // The turn waits until the user has pressed no key and moved no mouse for
    // this long (automatic turns).
    int waitForIdleMs = 0;
    // The turn is over once the target has taken its last keys, not as soon
    // as they are handed to the system.
    bool waitForLastKeys = false;
};

struct TypingContext {
    Services& services;
    WindowHandle mainWindowHandle;
};

// What a turn tells whoever shows it.
struct TurnEvents {
    std::function<void(const std::string&)> status;  // the status line, while it waits and when it ends
    std::function<void()> rebuildList;                // the window list, rebuilt once the turn is over
    std::function<void(SendOutcome)> finished;        // how it ended (Sent also when there was no target)
    // How far a long turn has come: keys typed of all, and the status text
    // that says so (optional).
    std::function<void(std::size_t typed, std::size_t keys, const std::string& text)> progress;
};

class TypingTurn {
public:
    // A turn into the target (kNoWindow: none to type into, which the status
    // says).
    TypingTurn(const TypingContext& context, WindowHandle target, std::string keyString, const TurnOptions& options,
               TurnEvents events);
    ~TypingTurn();
    TypingTurn(const TypingTurn&) = delete;
    TypingTurn& operator=(const TypingTurn&) = delete;

    // Runs the turn's first steps now and the rest from the message loop.
    void start();
    // Ends the turn at once, for this reason: the keys it holds are let go,
    // the target released, the status written and the list rebuilt.
    void stop(SendOutcome why);
    bool running() const { return phase_ != Phase::Done; }

private:
    // Ended, or a stop is waiting for the step under way to return.
    bool stopping() const { return !running() || job_.actionWaiting(); }
    // Ending: the target is released and the focus goes back to where it was.
    enum class Phase { Idle, Keyboard, Front, Keys, Ending, Done };

    // After a step that failed without scheduling the next: the turn ends.
    void afterFailedStep();
    void waitForIdle();
    void prepare();
    void beginKeys();
    // Waits (looking every 20 ms, up to a bound) until the user holds no
    // modifier or mouse button, then goes on with then.
    void waitForKeyboard(std::function<void()> then);
    void lookAtKeyboard();
    // A window asked to come to the front: so many requests, each given a
    // while to take, looked at in between.
    struct FrontRequest {
        enum Look { InFront, Asking, GaveUp };
        WindowHandle window = kNoWindow;
        int attempts = 0;
        std::int64_t attemptEndsMs = 0;
    };
    // Looks whether the window is in front, asking again when the last
    // request has had its time.
    FrontRequest::Look askFront(FrontRequest& request);
    void bringToFront();
    void nextBatch();
    void sendSegment();
    // Sends the batch's items [begin, end); false when the turn ended instead.
    bool send(std::size_t begin, std::size_t end);
    // Waits until the target has taken the keys sent, then goes on with then.
    void waitUntilTaken(std::function<void()> then, std::int64_t sinceMs);
    void lookAtTarget();
    // Keys typed as fast as the target takes them: the batches go in one
    // after another as the feed says, each before the target has taken all
    // of the last, so that it never waits for the program.
    bool fed() const { return !options_.background && options_.keyDelayMs <= 0 && options_.keyHoldMs <= 0; }
    void keepFed();
    // The turn's keys are over: the target is released (114), the focus given
    // back (115), then complete writes the status (136) and rebuilds the list
    // (138).
    void finish(SendOutcome outcome);
    void giveFocusBack();
    void complete(SendOutcome outcome);
    // Ends a turn that has no keys to type, the status saying why.
    void endWithoutKeys(std::string why);
    // Lets go of every key the turn holds down now.
    void releaseHeldKeys();
    // Tells how far the keys have come, when it is time to.
    void reportProgress();

    TypingContext context_;
    WindowHandle target_ = kNoWindow;
    std::string keyString_;
    TurnOptions options_;
    TurnEvents events_;
    // The turn's steps, each reporting a failure at its own number: 111
    // bringing the target to the front, 112 reading the keys, 113 sending
    // them, 117 waiting for the keyboard, 119 waiting for the target to take
    // them.
    StepJob job_;

    Phase phase_ = Phase::Idle;
    WindowHandle previousFront_ = kNoWindow;
    FrontRequest front_, back_;  // the target coming to the front, the focus going back
    bool raised_ = false;
    bool wasTopmost_ = false;  // pinned in the always-on-top band before the turn
    // The wait under way: what follows it, and when it gives up.
    std::function<void()> waitThen_;
    std::int64_t waitUntilMs_ = 0;
    SendOutcome ending_ = SendOutcome::Sent;

    std::vector<std::vector<KeyEvent>> batches_;
    std::size_t batch_ = 0;
    // Keys pressed by the batches before each batch, and by all of them.
    std::vector<std::size_t> keysBefore_;
    std::optional<TurnProgress> progress_;
    std::unique_ptr<KeyboardLayout> layout_;
    std::unique_ptr<KeyChannel> channel_;  // typed in front or posted, chosen once
    bool watchUserKeys_ = false;
    std::unique_ptr<UserKeyWatch> userKeys_;
    std::unique_ptr<TakenWatch> taken_;  // the target taking the keys sent
    // The batch being sent, cut into the segments that go in one piece, and
    // how far it has gone.
    std::vector<KeySegment> segments_;
    std::size_t segment_ = 0;
    std::size_t sent_ = 0;  // items of the batch that went in
    bool heldBack_ = false;  // the hotkey is held back while the batch goes in
    std::int64_t planMs_ = 0;  // when the next segment is due, so delays do not add up
    TurnHold hold_ = TurnHold::None;
    std::string noKeysReason_;
    KeyFeed feed_{kFeedBatchesAhead, kFeedLeadMs};
};

}  // namespace mw
