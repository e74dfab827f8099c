#pragma once
// The two ways the editor picks a window, in memory: the drop-down of open
// windows and the finder tool.
#include <string>
#include <vector>

#include "platform/drop_down.h"
#include "platform/window_finder.h"
#include "sim/event_hook.h"

namespace mw::sim {

class SimDropDownList final : public DropDownList {
public:
    void setLines(const std::vector<std::string>& newLines) override
    {
        lines = newLines;
        chosen_ = -1;
    }
    int chosen() const override { return chosen_; }
    // As the user: opens the list, then chooses the line.
    void choose(int line)
    {
        if (onOpening) onOpening();
        if (line >= 0 && line < static_cast<int>(lines.size())) chosen_ = line;
        if (onChosen) onChosen();
        eventHandled();
    }
    std::vector<std::string> lines;

private:
    int chosen_ = -1;
};

class SimWindowFinder final : public WindowFinder {
public:
    // As the user: drags the finder and lets go over the window.
    void dropOn(WindowHandle window)
    {
        if (onDropped) onDropped(window);
        eventHandled();
    }
};

}  // namespace mw::sim
