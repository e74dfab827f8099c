#include "targets/target_list.h"

#include "platform/failure.h"

namespace mw {

WindowHandle TargetList::windowAt(int row) const
{
    if (row < 1 || row > count()) fail(kIndexOutOfBounds);
    return rows_[static_cast<std::size_t>(row - 1)].window;
}

int TargetList::rowOf(WindowHandle window) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].window == window) return static_cast<int>(i) + 1;
    return 0;
}

TargetList::Choice TargetList::choice(WindowSystem& windows, WindowHandle chosen) const
{
    if (chosen == kNoWindow) return Choice::None;
    if (!windows.exists(chosen)) return Choice::Closed;
    return rowOf(chosen) ? Choice::Listed : Choice::NotListed;
}

}  // namespace mw
