#pragma once
// Commands from other starts of the program, arriving at the main window as
// WM_COPYDATA: each is taken and answered at once, and carried out once the
// message loop has it, as the show request is. The start that sent it waits
// for the answer only, and carrying it out may open a box.
#include <optional>

#include "commands/command_dispatch.h"
#include "main_window/program_state.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class CommandReceiver {
public:
    // Lets the commands in also when this copy runs elevated and the sender
    // does not.
    CommandReceiver(HWND window, Form1& form1, Dialogs& dialogs, const ProgramState& program);
    ~CommandReceiver();
    CommandReceiver(const CommandReceiver&) = delete;
    CommandReceiver& operator=(const CommandReceiver&) = delete;

    // The program has started: commands are taken from now on (before, a
    // sender gets no answer and tries again). The start's own command, if it
    // had one, is carried out first.
    void open(const std::optional<Command>& own);
    // The answer to a message that is the receiver's; nullopt for others.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT receive(const COPYDATASTRUCT& data);
    // Carries out what waits; while a box holds a command back, looks again
    // on a timer.
    void carryOutWaiting();

    HWND window_;
    CommandDispatch dispatch_;
    const ProgramState& program_;
    const UINT carryOutMessage_;
    bool open_ = false;
};

}  // namespace mw::win32
