#pragma once
// The window the main window's automatic typing keeps to: the row the user
// chose, or the one shown selected when typing was turned on. Keys go there
// or nowhere: never on to whatever window the rebuilt list shows first once
// it has closed.
#include <functional>
#include <string>

#include "platform/window_system.h"
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
    ChosenTarget(WindowSystem& windows, TargetList& targets, std::function<void()> rebuild,
                 std::function<WindowHandle()> selected)
        : windows_(windows), targets_(targets), rebuild_(std::move(rebuild)), selected_(std::move(selected))
    {
    }

    WindowHandle chosen() const { return chosen_; }
    void choose(WindowHandle window) { chosen_ = window; }
    // Where the next automatic turn goes. Nothing chosen yet (a start with
    // typing on): the row shown selected, which is then the chosen one.
    TurnTarget resolve();

private:
    WindowSystem& windows_;
    TargetList& targets_;
    std::function<void()> rebuild_;
    std::function<WindowHandle()> selected_;
    WindowHandle chosen_ = kNoWindow;
};

}  // namespace mw
