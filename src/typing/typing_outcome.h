#pragma once
// How a typing turn ended, and the status lines that say so.
#include <cstddef>
#include <cstdint>

namespace mw {

// Largest batch handed to the system at once; longer key strings go in
// consecutive batches, between which the turn looks at the keyboard.
inline constexpr std::size_t kMaxEventsPerBatch = 1000;
// Typed as fast as the target takes them (see KeyFeed), a batch goes when
// the keys before it would last this long at the target's pace, at most so
// many go before the target is seen to have taken them all, and the target
// is looked at no less often than this.
inline constexpr std::int64_t kFeedLeadMs = 30;
inline constexpr std::size_t kFeedBatchesAhead = 2;
inline constexpr std::int64_t kFeedLookAtMostMs = 20;

inline constexpr const char* kNoWindowsText = "No windows found to type.";
inline constexpr const char* kCompletedText = "Auto Type Complete at ";
inline constexpr const char* kChosenWindowClosedText = "Nothing typed: the window chosen for typing has closed.";
inline constexpr const char* kNotInFrontText =
    "Nothing typed: the target window could not be brought to the front.";
inline constexpr const char* kNotRespondingText =
    "Typing stopped: the target window is not responding, so the rest of the keys were not sent.";
inline constexpr const char* kFocusLostText =
    "Typing stopped: another program came to the front, so the rest of the keys were not sent.";

inline constexpr const char* kStoppedByHotkeyText =
    "Typing stopped with the hotkey, so the rest of the keys were not sent.";
inline constexpr const char* kDesktopLockedText =
    "Nothing typed: the computer is locked or a security prompt is showing; typing goes on once it is unlocked.";
inline constexpr const char* kDesktopLostText =
    "Typing stopped: the computer was locked, so the rest of the keys were not sent.";
inline constexpr const char* kHigherPrivilegesText =
    "Nothing typed: the target window's program runs as administrator, and Windows does not let this program "
    "type into it.";
inline constexpr const char* kFullScreenInFrontText =
    "Nothing typed: a full-screen program is in front, so it was left alone.";

inline constexpr const char* kControlInBackgroundText =
    "Nothing typed: Ctrl combinations reach only the window in front; turn off typing in the background in "
    "Options.";
inline constexpr const char* kElevatedInFrontText = "Nothing typed: the window in front runs as administrator.";
// A key text that does not parse follows this with its fault and position.
inline constexpr const char* kNothingTypedText = "Nothing typed: ";
inline constexpr const char* kEmptyKeyTextText = "Nothing typed: the key text is empty.";

inline constexpr const char* kTurnedOffText = "Typing stopped, so the rest of the keys were not sent.";
inline constexpr const char* kWaitingForIdleText = "Waiting for you to stop typing\xE2\x80\xA6";
inline constexpr const char* kWaitingForKeyboardText = "Waiting for the keyboard\xE2\x80\xA6";
inline constexpr const char* kKeyboardHeldText =
    "Typing stopped: Shift, Ctrl, Alt, Windows or a mouse button was held down too long, so no more keys were sent.";
inline constexpr const char* kStoppedByUserKeysText =
    "Typing stopped: a key was pressed while the program typed, so the rest of the keys were not sent.";

// Held: the turn left the target alone (see TurnHold). DesktopLost: the
// desktop stopped taking input during the turn.
enum class SendOutcome {
    Sent,
    NotInFront,
    NotResponding,
    FocusLost,
    StoppedByHotkey,
    DesktopLost,
    Held,
    KeyboardHeld,       // the user held a modifier or mouse button for the whole wait
    StoppedByUserKeys,  // the user pressed keys while the turn typed
    TurnedOff,          // automatic typing was turned off, or the program closed, during the turn
    ControlInBackground,  // typing in the background, the text holds Ctrl for a key: nothing went
    NoKeys,               // the key text is empty or does not parse: nothing went, no window was touched
};

}  // namespace mw
