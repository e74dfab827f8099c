#pragma once
// The list of windows the user can type into (module mProcess) and the two
// routines that raise and release a target (module mWindowInfo).
#include <string>

#include "platform/dialogs.h"
#include "platform/list_view.h"
#include "platform/window_system.h"

namespace mw {

// Longest title a row shows; longer titles are cut to their first characters.
inline constexpr std::size_t kMaxTitleCharacters = 79;

// The first kMaxTitleCharacters characters (code points) of a UTF-8 title.
std::string cutTitle(const std::string& title);

bool isListableWindow(WindowSystem& windows, WindowHandle window, bool includeUntitled,
                      bool includeInvisible, bool includeOwned);

struct WindowListContext {
    WindowSystem& windows;
    Dialogs& dialogs;
    WindowHandle mainWindowHandle;
};

// Rebuilds the two-column list (title, handle as decimal text) from the
// visible, unowned, titled top-level windows other than the main window that
// the taskbar shows, in stacking order, top first.
void getAllWindows(const WindowListContext& context, ListView& list);

// A window handle written as decimal text, as the handle column holds it; a
// Failure ("Type mismatch", "Overflow") when the text is no handle.
WindowHandle parseWindowHandle(const std::string& text);
// The window a row names (its handle column).
WindowHandle windowOfRow(ListView& list, int row);
// The 1-based row of the list that holds the window, or 0 when none does.
int rowOfWindow(ListView& list, WindowHandle window);

void setTopMost(WindowSystem& windows, WindowHandle window);
void clearTopMost(WindowSystem& windows, WindowHandle window);

}  // namespace mw
