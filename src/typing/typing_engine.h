#pragma once
// One typing turn into the window selected in the window list (module
// mTypedKeys), and the key sender behind it.
#include <functional>
#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/services.h"
#include "targets/target_list.h"

namespace mw {

// Largest batch handed to the system at once; longer key strings go in
// consecutive batches, each once the target has taken the one before.
inline constexpr std::size_t kMaxEventsPerBatch = 1000;

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
};

// The program's on/off hotkey as a typing turn respects it: keys of the turn
// that press it go in while it is held back, so they never trigger it, and a
// press between two batches ends the turn.
struct TurnHotkey {
    GlobalHotkey& hotkey;
    HotkeyCombination combination;
};

// The user at the keyboard, as a turn respects them (see keyboard_wait.h):
// before each batch the turn waits while they hold Shift, Ctrl, Alt, Win or a
// mouse button, and a key they press during a turn of several batches ends it.
struct TurnUser {
    Clock& clock;
    std::function<void()> onWaiting;  // the turn is waiting for held keys
};

// Types a key string into the target: parses all of it first (a string that
// does not parse raises a Failure and sends nothing), makes sure the target
// exists and is the foreground window, then sends it in batches, each once the
// target's thread has taken the one before. Stops, sending nothing more, when
// the target stops responding, another program takes the foreground or the
// desktop stops taking input (DesktopLost, not a failure). With
// wait, returns once the target has taken the last batch too.
SendOutcome SendKeyString(WindowSystem& windows, KeyInjector& keys, WindowHandle target,
                          const std::string& keyString, bool wait, const TurnHotkey* hotkey = nullptr,
                          const TurnUser* user = nullptr);

// "{SHIFT}", "{CTRL}" and "{ALT}" (exactly so written) become "+", "^", "%".
std::string translateModifierCodes(std::string keys);

struct TypingContext {
    Services& services;
    WindowHandle mainWindowHandle;
    // The hotkey the program holds, if any.
    std::optional<HotkeyCombination> hotkey;
};

// Returns how the keys went (Sent also when the list was empty or the target
// was the program's own window, where nothing is sent).
SendOutcome TypeTextbox(const TypingContext& context, TargetList& targets, ListView& windowList, Frame& status,
                        const std::string& keyString);

}  // namespace mw
