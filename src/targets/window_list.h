#pragma once
// The list of windows the user can type into (module mProcess) and the two
// routines that raise and release a target (module mWindowInfo).
#include <string>

#include "platform/dialogs.h"
#include "platform/list_view.h"
#include "platform/window_system.h"
#include "targets/target_list.h"

namespace mw {

// Longest title a row shows; longer titles are cut to their first characters.
inline constexpr std::size_t kMaxTitleCharacters = 79;

// The first kMaxTitleCharacters characters (code points) of a UTF-8 title.
std::string cutTitle(const std::string& title);

// A window the list offers: titled, visible and without an owner.
bool isListableWindow(WindowSystem& windows, WindowHandle window);

struct WindowListContext {
    WindowSystem& windows;
    Dialogs& dialogs;
    WindowHandle mainWindowHandle;
};

// Rebuilds the targets and the two-column list that shows them (title,
// handle as decimal text) from the visible, unowned, titled top-level windows
// other than the main window that the taskbar shows, in stacking order, top
// first.
void getAllWindows(const WindowListContext& context, TargetList& targets, ListView& list);

// Raises the window into the always-on-top band; answers whether it was in
// the band already (pinned there by its user), which the release needs.
bool setTopMost(WindowSystem& windows, WindowHandle window);
// Takes a raised window out of the band again, above the normal windows; a
// window that was pinned before it was raised stays in the band. It never
// activates the window: the release is carried out by the window's own thread,
// maybe after another window took the front (the focus given back, the next
// turn's target, the user's click), and it would take the front back.
void clearTopMost(WindowSystem& windows, WindowHandle window, bool wasTopmost);

}  // namespace mw
