#pragma once
// One typing turn into the window selected in the window list (module
// mTypedKeys), and the key sender behind it.
#include <memory>
#include <string>

#include "platform/clock.h"
#include "typing/turn_hold.h"
#include "typing/typing_outcome.h"
#include "typing/typing_turn.h"

namespace mw {

// "{SHIFT}", "{CTRL}" and "{ALT}" (exactly so written) become "+", "^", "%".
std::string translateModifierCodes(std::string keys);

// The status line a turn leaves, by how it went (and, for a turn held
// before it began, why).
std::string outcomeText(SendOutcome outcome, TurnHold hold, Clock& clock);

// One typing turn (steps 102 to 140) into the window selected in the list.
// Once started it runs from the message loop and calls finished with how it
// went (Sent also when the list was empty or the target was the program's
// own window, where nothing is sent).
std::unique_ptr<TypingTurn> TypeTextbox(const TypingContext& context, TargetList& targets, ListView& windowList,
                                        Frame& status, const std::string& keyString, const TurnOptions& options,
                                        TypingTurn::Finished finished);

}  // namespace mw
