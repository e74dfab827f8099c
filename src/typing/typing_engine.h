#pragma once
// One typing turn into the window selected in the window list (module
// mTypedKeys), and the key sender behind it.
#include <string>

#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/services.h"

namespace mw {

// Largest batch handed to the system at once; longer key strings go in
// consecutive batches.
inline constexpr std::size_t kMaxEventsPerBatch = 1000;

inline constexpr const char* kNoWindowsText = "No windows found to type.";
inline constexpr const char* kCompletedText = "Auto Type Complete at ";
inline constexpr const char* kChosenWindowClosedText = "Nothing typed: the window chosen for typing has closed.";
inline constexpr const char* kNotInFrontText =
    "Nothing typed: the target window could not be brought to the front.";

// Types a key string into the target: parses all of it first (a string that
// does not parse raises a Failure and sends nothing), makes sure the target
// exists and is the foreground window, then sends it in batches. Returns false,
// having sent nothing, when the target could not be brought to the front. With
// wait, returns once the target has taken the keys.
bool SendKeyString(WindowSystem& windows, KeyInjector& keys, WindowHandle target, const std::string& keyString,
                   bool wait);

// "{SHIFT}", "{CTRL}" and "{ALT}" (exactly so written) become "+", "^", "%".
std::string translateModifierCodes(std::string keys);

struct TypingContext {
    Services& services;
    WindowHandle mainWindowHandle;
};

void TypeTextbox(const TypingContext& context, ListView& windowList, Frame& status, const std::string& keyString);

}  // namespace mw
