#include "targets/chosen_target.h"

#include "typing/typing_outcome.h"

namespace mw {

TurnTarget ChosenTarget::resolve()
{
    switch (targets_.choice(windows_, chosen_)) {
    case TargetList::Choice::Closed: return {kNoWindow, kChosenWindowClosedText};
    case TargetList::Choice::NotListed:
        rebuild_();
        // There, but no longer a window the list offers (hidden).
        if (!targets_.rowOf(chosen_)) return {kNoWindow, kNotInFrontText};
        break;
    case TargetList::Choice::Listed: break;
    case TargetList::Choice::None: chosen_ = selected_(); break;
    }
    return {chosen_, {}};
}

}  // namespace mw
