#pragma once
// The way a turn's keys reach its target, chosen once for the turn: typed
// into the window in front, which takes them as the user's own keys, or
// posted to the target's focused control while it stays in the background.
// The turn sends a batch in pieces (segments) through it and never asks
// which way it goes.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "typing/hotkey.h"
#include "typing/key_segments.h"

namespace mw {

struct PieceSent {
    enum class Result {
        Whole,       // every item of the piece went in
        TargetGone,  // the target is gone or refuses the keys
        Partial,     // the system took only some of them
    };
    Result result = Result::Whole;
    std::size_t sentItems = 0;  // items of the batch that went in, from its start
    std::string failure;        // what the system said, for a piece it took in part
};

class KeyChannel {
public:
    virtual ~KeyChannel() = default;
    // The target's keyboard, read once the turn is under way.
    virtual void useLayout(const KeyboardLayout& layout) = 0;
    // Whether the events can go this way at all (Ctrl combinations cannot be
    // posted); the turn ends with ControlInBackground when not.
    virtual bool takes(const std::vector<KeyEvent>& events) const = 0;
    // Readies a batch; answers its pieces.
    virtual std::vector<KeySegment> load(const std::vector<KeyEvent>& batch, int keyDelayMs, int keyHoldMs) = 0;
    // The items (inputs or messages) of the batch loaded.
    virtual std::size_t items() const = 0;
    // Whether the batch presses one of these hotkeys.
    virtual bool pressesAny(const std::vector<HotkeyCombination>& hotkeys) const = 0;
    // Whether keys sent now reach the target: typed keys go to the window in
    // front, which the user may have changed since the last keys.
    virtual bool reachesTarget() const = 0;
    // Sends the batch's items [begin, end).
    virtual PieceSent send(std::size_t begin, std::size_t end) = 0;
    // Lets go of every key the batch holds down after its first `sent` items
    // went in, and forgets the batch.
    virtual void releaseHeld(std::size_t sent) = 0;
    // A watch on the target taking the keys sent.
    virtual std::unique_ptr<TakenWatch> watchTaken() = 0;
};

// Keys typed into the target in front.
std::unique_ptr<KeyChannel> typedKeyChannel(Services& services, WindowHandle target);
// Keys posted to the target in the background.
std::unique_ptr<KeyChannel> postedKeyChannel(Services& services, WindowHandle target);

}  // namespace mw
