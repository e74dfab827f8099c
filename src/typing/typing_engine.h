#pragma once
// What the typing engine (module mTypedKeys) does around a turn: the key
// text's modifier codes (read by the key notation), and the status line a
// turn leaves.
#include <string>

#include "platform/clock.h"
#include "typing/key_notation.h"
#include "typing/turn_hold.h"
#include "typing/typing_outcome.h"

namespace mw {

// The status line a turn leaves, by how it went (and, for a turn held
// before it began, why).
std::string outcomeText(SendOutcome outcome, TurnHold hold, Clock& clock);

}  // namespace mw
