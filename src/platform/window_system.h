#pragma once
// The desktop's top-level windows, as the window list and the typing turn see
// them.
#include <cstdint>
#include <string>

#include "window_handle.h"

namespace mw {

using ProcessId = std::uint32_t;
using ThreadId = std::uint32_t;
// The thread the keyboard input goes to now, for threadInput.
inline constexpr ThreadId kForegroundThread = 0;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // The top-level window at the top of the stacking order (kNoWindow if none).
    virtual WindowHandle firstTopLevel() = 0;
    // The next window below in stacking order; kNoWindow after the last one and
    // for a window that no longer exists.
    virtual WindowHandle nextBelow(WindowHandle window) = 0;
    virtual WindowHandle owner(WindowHandle window) = 0;
    // The whole title; empty for a window that no longer exists.
    virtual std::string title(WindowHandle window) = 0;
    virtual bool isVisible(WindowHandle window) = 0;
    virtual bool exists(WindowHandle window) = 0;
    // Hidden by the window manager although visible by its style: on another
    // virtual desktop, a suspended app, a shell host waiting to be needed.
    virtual bool isCloaked(WindowHandle window) = 0;
    struct ExtendedStyle {
        bool toolWindow = false;
        bool noActivate = false;
        bool appWindow = false;  // on the taskbar whatever the other two say
        bool topmost = false;    // in the always-on-top band
    };
    virtual ExtendedStyle extendedStyle(WindowHandle window) = 0;
    // The file name of the program that made the window ("notepad.exe");
    // empty when it cannot be told.
    virtual std::string programOf(WindowHandle window) = 0;
    // The window's class name.
    virtual std::string className(WindowHandle window) = 0;

    // The process and thread the system names as the window's creator. For a
    // console window these are the console program's, though the console
    // host's thread owns the window and takes its keys.
    struct Creator {
        ProcessId process = 0;
        ThreadId thread = 0;
    };
    virtual Creator creatorOf(WindowHandle window) = 0;
    virtual WindowHandle foregroundWindow() = 0;
    // The active window and the window with the keyboard focus in a thread's
    // input; kNoWindow for both when the thread has none.
    struct ThreadInput {
        WindowHandle active = kNoWindow;
        WindowHandle focus = kNoWindow;
    };
    virtual ThreadInput threadInput(ThreadId thread) = 0;

    // Puts the window into the always-on-top band, or takes it out and places it
    // above all normal windows; neither moves nor resizes it, and both activate
    // it unless told not to.
    virtual void setTopmostBand(WindowHandle window, bool topmost, bool activate = true) = 0;
    // Makes a hidden window visible and brings a minimised one back as it was
    // before; a normal or maximised window keeps its state.
    virtual void show(WindowHandle window) = 0;
    // The system calls the window hung: its thread has not taken messages for
    // seconds.
    virtual bool isHung(WindowHandle window) = 0;
    // Asks once, without waiting on any other program, that the window become
    // the foreground window; it leaves a minimised window so (show brings it
    // back, and a second request to do so would un-maximise it). With
    // ownInput an input event of no effect goes first: the system lets the
    // program the last input came from set the foreground. False when the
    // system refused at once.
    virtual bool askForeground(WindowHandle window, bool ownInput) = 0;

    // The user's desktop takes input: not while the session is locked or
    // switched away, nor while a secure desktop (a security prompt, the
    // Ctrl+Alt+Del screen) is up.
    virtual bool desktopTakesInput() = 0;
    // The window in front runs full screen (a game, a video, a presentation).
    virtual bool fullScreenInFront() = 0;
    // The system lets this program's input and messages reach the window: not
    // when the window's program runs with higher privileges (as administrator).
    virtual bool acceptsOurInput(WindowHandle window) = 0;
};

}  // namespace mw
