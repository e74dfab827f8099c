#include "platform/win32/command_receiver.h"

#include <string>

#include "platform/win32/running_copies.h"

namespace mw::win32 {
namespace {

constexpr const wchar_t* kCarryOutMessageName = L"Marrowind.CarryOutCommand";
// The main window's own timers are numbered from 1.
constexpr UINT_PTR kLookAgainTimer = 0x4D57;
constexpr UINT kLookAgainEveryMs = 250;

// The window's procedure passes on no timer but its own, so this timer calls
// here, and the look goes through the window's queue.
void CALLBACK lookAgain(HWND window, UINT, UINT_PTR, DWORD)
{
    PostMessageW(window, RegisterWindowMessageW(kCarryOutMessageName), 0, 0);
}

}  // namespace

CommandReceiver::CommandReceiver(HWND window, Form1& form1, Dialogs& dialogs, const ProgramState& program)
    : window_(window),
      dispatch_(form1, dialogs),
      program_(program),
      carryOutMessage_(RegisterWindowMessageW(kCarryOutMessageName))
{
    ChangeWindowMessageFilterEx(window_, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
}

CommandReceiver::~CommandReceiver() { KillTimer(window_, kLookAgainTimer); }

void CommandReceiver::open(const std::optional<Command>& own)
{
    if (program_.Closing) return;
    open_ = true;
    // Checked before the program started, against the same sequences.
    if (own && dispatch_.take(*own) == CommandAnswer::Done) carryOutWaiting();
}

std::optional<LRESULT> CommandReceiver::handle(UINT message, WPARAM, LPARAM lParam)
{
    if (message == carryOutMessage_) {
        carryOutWaiting();
        return 0;
    }
    if (message != WM_COPYDATA) return std::nullopt;
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kCommandTag) return std::nullopt;
    return receive(*data);
}

LRESULT CommandReceiver::receive(const COPYDATASTRUCT& data)
{
    // Still starting, or closing: no answer, and the sender tries again (and
    // runs itself once this copy has given up its token).
    if (!open_ || program_.Closing) return 0;
    // The data is the sender's, valid only until this returns.
    const std::string text = data.lpData ? std::string(static_cast<const char*>(data.lpData), data.cbData) : "";
    const std::optional<Command> command = decodeCommand(text);
    const CommandAnswer answer = command ? dispatch_.take(*command) : CommandAnswer::Unreadable;
    if (answer == CommandAnswer::Done) PostMessageW(window_, carryOutMessage_, 0, 0);
    return kCommandAnswered + static_cast<LRESULT>(answer);
}

void CommandReceiver::carryOutWaiting()
{
    if (program_.Closing) return;
    if (dispatch_.carryOutWaiting())
        KillTimer(window_, kLookAgainTimer);
    else
        SetTimer(window_, kLookAgainTimer, kLookAgainEveryMs, lookAgain);
}

}  // namespace mw::win32
