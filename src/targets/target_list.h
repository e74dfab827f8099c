#pragma once
// The windows the list offers, held as data beside the list control that
// shows them (row for row, in the same order). The program never reads a
// window back from the control.
#include <string>
#include <vector>

#include "platform/window_handle.h"
#include "platform/window_system.h"

namespace mw {

struct TargetRow {
    std::string title;
    WindowHandle window = kNoWindow;
};

class TargetList {
public:
    void clear() { rows_.clear(); }
    void add(std::string title, WindowHandle window) { rows_.push_back({std::move(title), window}); }
    int count() const { return static_cast<int>(rows_.size()); }
    const std::vector<TargetRow>& rows() const { return rows_; }
    // The window of a 1-based row; a Failure ("Index out of bounds") for a
    // row that does not exist.
    WindowHandle windowAt(int row) const;
    // The 1-based row of the window, or 0 when the list does not offer it.
    int rowOf(WindowHandle window) const;

    // Where a window automatic typing keeps to stands: kNoWindow until one
    // is chosen.
    enum class Choice {
        None,       // nothing chosen yet: the turn takes the selected row
        Listed,     // offered by the list: the turn types there
        NotListed,  // still there, not offered by the list as it stands
        Closed,     // gone: nothing is typed anywhere
    };
    Choice choice(WindowSystem& windows, WindowHandle chosen) const;

private:
    std::vector<TargetRow> rows_;
};

}  // namespace mw
