#pragma once
// The finder tool of window-spy programs: an icon the user drags with the
// mouse onto any window on the screen. On release it names the top-level
// window under the pointer.
#include <functional>

#include "platform/window_handle.h"

namespace mw {

class WindowFinder {
public:
    virtual ~WindowFinder() = default;
    // The top-level window the finder was dropped on; kNoWindow over the
    // bare desktop or when the drag was cancelled.
    std::function<void(WindowHandle)> onDropped;
};

}  // namespace mw
