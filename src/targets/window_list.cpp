#include "targets/window_list.h"

#include "platform/failure.h"
#include "shell/error_dialog.h"
#include "shell/utf8.h"
#include "targets/taskbar_rule.h"

namespace mw {
namespace {

// GetWindow walks can cycle when the stacking order changes under them; no
// desktop holds this many top-level windows, so the walk stops there.
constexpr int kMaxWalk = 65536;

}  // namespace

std::string cutTitle(const std::string& title)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < title.size(); i += decodeUtf8(title, i).length)
        if (characters++ == kMaxTitleCharacters) return title.substr(0, i);
    return title;
}

bool isListableWindow(WindowSystem& windows, WindowHandle window)
{
    // Failures are ignored: each test goes on with the next.
    try {
        if (windows.title(window).empty()) return false;
    } catch (const std::exception&) {
    }
    try {
        if (!windows.isVisible(window)) return false;
    } catch (const std::exception&) {
    }
    try {
        if (windows.owner(window) != kNoWindow) return false;
    } catch (const std::exception&) {
    }
    try {
        if (!taskbarShows(windows, window)) return false;
    } catch (const std::exception&) {
    }
    return true;
}

void getAllWindows(const WindowListContext& context, TargetList& targets, ListView& list)
{
    NumberedSteps steps(context.dialogs, "mProcess.getAllWindows");
    WindowSystem& windows = context.windows;
    WindowHandle current = kNoWindow;

    // The control first: when it cannot be emptied, both keep their rows and
    // stay row for row alike.
    steps.step(100, [&] {
        list.clear();
        targets.clear();
    });
    steps.step(102, [&] { current = windows.firstTopLevel(); });
    for (int walked = 0; walked < kMaxWalk && steps.test(104, [&] { return current != kNoWindow; }); ++walked) {
        std::string title;
        steps.step(106, [&] { title.clear(); });
        steps.step(108, [&] { title = cutTitle(windows.title(current)); });
        bool listed = true;
        steps.step(110, [&] { listed = isListableWindow(windows, current); });
        if (listed) steps.step(112, [&] { listed = current != context.mainWindowHandle; });
        if (listed) steps.step(114, [&] { listed = !title.empty(); });
        if (listed) {
            int row = 0;
            steps.step(116, [&] {
                row = list.addRow(title);
                targets.add(title, current);
            });
            // A row that could not be appended gets no handle shown: written
            // into another row it would show the wrong window there.
            if (row > 0) steps.step(118, [&] { list.setSubItem(row, std::to_string(current)); });
        }
        const WindowHandle previous = current;
        steps.step(120, [&] { current = windows.nextBelow(previous); });
        if (current == previous) break;
    }
}

bool setTopMost(WindowSystem& windows, WindowHandle window)
{
    const bool wasTopmost = windows.extendedStyle(window).topmost;
    windows.setTopmostBand(window, true);
    return wasTopmost;
}

void clearTopMost(WindowSystem& windows, WindowHandle window, bool wasTopmost)
{
    if (!wasTopmost) windows.setTopmostBand(window, false, false);
}

}  // namespace mw
