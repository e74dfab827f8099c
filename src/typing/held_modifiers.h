#pragma once
// Modifiers a turn holds across the keys it paces out. Under Wine a window
// that takes the focus sets the modifiers to what the X server says, and the
// X server knows nothing of keys a program sent: a Shift held for "+(abc)"
// would be let go after its first key and the rest typed in lower case.
// Before each paced piece, a modifier the turn holds that the system reports
// up is pressed again. On Windows the system's state counts the program's
// own keys, so nothing is pressed again there.
#include <cstddef>
#include <vector>

#include "platform/key_injection.h"
#include "platform/user_input.h"

namespace mw {

// The key-downs of the Shift, Ctrl and Alt that the first `sent` inputs
// leave down and the system reports up, in the order they were pressed.
std::vector<KeyInput> modifiersToPressAgain(const std::vector<KeyInput>& inputs, std::size_t sent,
                                            const HeldInput& system);

}  // namespace mw
