#include "targets/chosen_target.h"

#include "shell/product.h"
#include "typing/typing_outcome.h"

namespace mw {

void ChosenTarget::restoreRule()
{
    TargetRule rule{settings_.read(setting::kTargetProgram, ""), settings_.read(setting::kTargetTitle, ""),
                    settings_.read(setting::kTargetClass, "")};
    // A store an older version left has none: the selected row, as before.
    if (!rule.program.empty()) rule_ = rule;
}

void ChosenTarget::choose(WindowHandle window)
{
    chosen_ = window;
    if (window == kNoWindow) return;
    const TargetRule rule = exactRule(factsOf(windows_, window));
    // A window whose program cannot be told (gone meanwhile) keeps the rule.
    if (rule.program.empty()) return;
    rule_ = rule;
    settings_.write(setting::kTargetProgram, rule.program);
    settings_.write(setting::kTargetTitle, rule.title);
    settings_.write(setting::kTargetClass, rule.windowClass);
}

WindowHandle ChosenTarget::findAgain()
{
    if (!rule_) return kNoWindow;
    const WindowHandle found = resolveRule(windows_, *rule_, kNoWindow, mainWindow_);
    if (found != kNoWindow) chosen_ = found;
    return found;
}

TurnTarget ChosenTarget::resolve()
{
    switch (targets_.choice(windows_, chosen_)) {
    case TargetList::Choice::Closed:
        // Its program restarted: the window of the same program, title and
        // class takes its place.
        if (findAgain() != kNoWindow) break;
        // Its row goes from the list, which shows only windows that exist.
        rebuild_();
        return {kNoWindow, kChosenWindowClosedText};
    case TargetList::Choice::NotListed:
        rebuild_();
        // There, but no longer a window the list offers (hidden).
        if (!targets_.rowOf(chosen_)) return {kNoWindow, kNotInFrontText};
        break;
    case TargetList::Choice::Listed: break;
    case TargetList::Choice::None:
        // After a start with typing on: the window chosen in the last run,
        // once it is there.
        if (rule_) {
            if (findAgain() == kNoWindow) return {kNoWindow, "Waiting for " + ruleText(*rule_) + "\xE2\x80\xA6"};
            break;
        }
        chosen_ = selected_();
        break;
    }
    return {chosen_, {}};
}

}  // namespace mw
