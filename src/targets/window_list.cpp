#include "targets/window_list.h"

#include <charconv>

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

bool isListableWindow(WindowSystem& windows, WindowHandle window, bool includeUntitled,
                      bool includeInvisible, bool includeOwned)
{
    // Failures are ignored: each test goes on with the next.
    try {
        if (!includeUntitled && windows.title(window).empty()) return false;
    } catch (const std::exception&) {
    }
    try {
        if (!includeInvisible && !windows.isVisible(window)) return false;
    } catch (const std::exception&) {
    }
    try {
        if (!includeOwned && windows.owner(window) != kNoWindow) return false;
    } catch (const std::exception&) {
    }
    try {
        if (!taskbarShows(windows, window)) return false;
    } catch (const std::exception&) {
    }
    return true;
}

void getAllWindows(const WindowListContext& context, ListView& list)
{
    NumberedSteps steps(context.dialogs, "mProcess.getAllWindows");
    WindowSystem& windows = context.windows;
    WindowHandle current = kNoWindow;

    steps.step(100, [&] { list.clear(); });
    steps.step(102, [&] { current = windows.firstTopLevel(); });
    for (int walked = 0; walked < kMaxWalk && steps.test(104, [&] { return current != kNoWindow; }); ++walked) {
        std::string title;
        steps.step(106, [&] { title.clear(); });
        steps.step(108, [&] { title = cutTitle(windows.title(current)); });
        bool listed = true;
        steps.step(110, [&] { listed = isListableWindow(windows, current, false, false, false); });
        if (listed) steps.step(112, [&] { listed = current != context.mainWindowHandle; });
        if (listed) steps.step(114, [&] { listed = !title.empty(); });
        if (listed) {
            int row = 0;
            steps.step(116, [&] { row = list.addRow(title); });
            // A row that could not be appended gets no handle: writing it into
            // another row would make that row name the wrong window.
            if (row > 0) steps.step(118, [&] { list.setSubItem(row, std::to_string(current)); });
        }
        const WindowHandle previous = current;
        steps.step(120, [&] { current = windows.nextBelow(previous); });
        if (current == previous) break;
    }
}

WindowHandle parseWindowHandle(const std::string& text)
{
    WindowHandle value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) fail(kOverflow);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) fail(kTypeMismatch);
    return value;
}

WindowHandle windowOfRow(ListView& list, int row) { return parseWindowHandle(list.subItem(row)); }

int rowOfWindow(ListView& list, WindowHandle window)
{
    const std::string handle = std::to_string(window);
    for (int row = 1; row <= list.count(); ++row)
        if (list.subItem(row) == handle) return row;
    return 0;
}

void setTopMost(WindowSystem& windows, WindowHandle window) { windows.setTopmostBand(window, true); }

void clearTopMost(WindowSystem& windows, WindowHandle window) { windows.setTopmostBand(window, false); }

}  // namespace mw
