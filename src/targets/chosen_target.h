#pragma once
// The window the main window's automatic typing keeps to: the row the user
// chose, or the one shown selected when typing was turned on. Keys go there
// or nowhere: never on to whatever window the rebuilt list shows first once
// it has closed. The choice is stored as a rule (its program, exact title
// and class), so that a window of the same program, title and class is found
// again once the chosen one is gone: after the program restarted, or after a
// start of this one with typing on.
#include <functional>
#include <string>

#include <optional>

#include "platform/settings_store.h"
#include "platform/window_system.h"
#include "sequences/target_rule.h"
#include "targets/target_list.h"

namespace mw {

// Where a turn goes: a window, or, when there is none to type into, why
// (the status line says so and nothing is typed). A turn given no window and
// no reason finds no window to type into.
struct TurnTarget {
    WindowHandle window = kNoWindow;
    std::string nothingTyped;
};

class ChosenTarget {
public:
    // rebuild: the window list rebuilt; selected: the window of the row shown
    // selected (kNoWindow for an empty list).
    ChosenTarget(WindowSystem& windows, SettingsStore& settings, TargetList& targets, std::function<void()> rebuild,
                 std::function<WindowHandle()> selected)
        : windows_(windows),
          settings_(settings),
          targets_(targets),
          rebuild_(std::move(rebuild)),
          selected_(std::move(selected))
    {
    }

    // The program's own window, which no rule finds.
    void setMainWindow(WindowHandle window) { mainWindow_ = window; }
    // The rule stored by an earlier run, if any.
    void restoreRule();

    WindowHandle chosen() const { return chosen_; }
    // The window chosen, stored as a rule.
    void choose(WindowHandle window);
    // Where the next automatic turn goes. Nothing chosen yet (a start with
    // typing on): the row shown selected, which is then the chosen one.
    TurnTarget resolve();

private:
    // A window its rule finds, which becomes the chosen one.
    WindowHandle findAgain();

    WindowSystem& windows_;
    SettingsStore& settings_;
    TargetList& targets_;
    std::function<void()> rebuild_;
    std::function<WindowHandle()> selected_;
    WindowHandle mainWindow_ = kNoWindow;
    WindowHandle chosen_ = kNoWindow;
    std::optional<TargetRule> rule_;
};

}  // namespace mw
