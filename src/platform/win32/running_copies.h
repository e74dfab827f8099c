#pragma once
#include <functional>
#include <string>

#include "platform/running_copies.h"
#include "platform/win32/unique_handle.h"

namespace mw::win32 {

// Sent by a start to the copies that run: show your main window. A copy that
// does answers kShownAnswer.
inline constexpr const wchar_t* kShowMessageName = L"Marrowind.ShowMainWindow";
inline constexpr LRESULT kShownAnswer = 0x4D57'5348;  // "MWSH"

// A command goes as WM_COPYDATA with this tag and the command's UTF-8 text;
// the copy that takes it answers kCommandAnswered plus its answer (under
// 0x100), anything else is no answer.
inline constexpr ULONG_PTR kCommandTag = 0x4D57'434D;  // "MWCM"
inline constexpr LRESULT kCommandAnswered = 0x4D57'4100;  // "MWA"

// The token is a named mutex of the session; a copy is found by its main
// window's class and title.
class Win32RunningCopies final : public RunningCopies {
public:
    Win32RunningCopies(std::wstring tokenName, std::wstring windowClass, std::wstring title);
    bool claim() override;
    bool askToShow() override;
    std::optional<int> sendCommand(const std::string& command) override;
    void pause(int milliseconds) override;
    // Lets go of the token: from now on a start runs, while this copy is still
    // ending (which can take seconds).
    void giveUp();

private:
    // Each copy's main window, with the foreground allowed to its process
    // (this start came from the user); stops at the first for which answer
    // returns true.
    void forEachCopy(const std::function<bool(HWND)>& answer);

    std::wstring tokenName_;
    std::wstring windowClass_;
    std::wstring title_;
    UniqueKernelHandle token_;
};

}  // namespace mw::win32
