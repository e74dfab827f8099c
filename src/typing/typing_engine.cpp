#include "typing/typing_engine.h"

namespace mw {

std::string outcomeText(SendOutcome outcome, TurnHold hold, Clock& clock)
{
    switch (outcome) {
    case SendOutcome::Sent: return kCompletedText + clock.nowText();
    case SendOutcome::NotInFront: return kNotInFrontText;
    case SendOutcome::NotResponding: return kNotRespondingText;
    case SendOutcome::FocusLost: return kFocusLostText;
    case SendOutcome::StoppedByHotkey: return kStoppedByHotkeyText;
    case SendOutcome::DesktopLost: return kDesktopLostText;
    case SendOutcome::Held:
        switch (hold) {
        case TurnHold::DesktopLocked: return kDesktopLockedText;
        case TurnHold::HigherPrivileges: return kHigherPrivilegesText;
        case TurnHold::ElevatedInFront: return kElevatedInFrontText;
        case TurnHold::FullScreenInFront:
        case TurnHold::None: return kFullScreenInFrontText;
        }
        return {};
    case SendOutcome::KeyboardHeld: return kKeyboardHeldText;
    case SendOutcome::StoppedByUserKeys: return kStoppedByUserKeysText;
    case SendOutcome::TurnedOff: return kTurnedOffText;
    case SendOutcome::ControlInBackground: return kControlInBackgroundText;
    case SendOutcome::NoKeys: return kEmptyKeyTextText;
    }
    return {};
}

}  // namespace mw
