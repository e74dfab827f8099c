#pragma once
// What the typing engine (module mTypedKeys) does around a turn: the key
// text's modifier codes, and the status line a turn leaves.
#include <string>

#include "platform/clock.h"
#include "typing/turn_hold.h"
#include "typing/typing_outcome.h"

namespace mw {

// "{SHIFT}", "{CTRL}" and "{ALT}" (exactly so written) become "+", "^", "%".
std::string translateModifierCodes(std::string keys);

// The status line a turn leaves, by how it went (and, for a turn held
// before it began, why).
std::string outcomeText(SendOutcome outcome, TurnHold hold, Clock& clock);

}  // namespace mw
