#include "platform/win32/dialogs.h"

#include <algorithm>

#include "platform/failure.h"
#include "platform/win32/failure_barrier.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

HWND workingWindow(HWND mainWindow)
{
    // So that a box is never behind the window the user works in. Down the
    // windows last active over each other; one disabled by a window over it
    // is passed through, and the box goes over the last enabled one.
    if (!mainWindow || !IsWindow(mainWindow)) return nullptr;
    HWND working = mainWindow;
    HWND window = mainWindow;
    for (int depth = 0; depth < 8; ++depth) {
        const HWND popup = GetLastActivePopup(window);
        if (!popup || popup == window || !IsWindowVisible(popup)) break;
        window = popup;
        if (IsWindowEnabled(window)) working = window;
    }
    return working;
}

HWND Win32Dialogs::owner() const { return workingWindow(owner_); }

void Win32Dialogs::showWarning(const std::string& text, const std::string& title)
{
    // Topmost: a failing typing turn reports while its target sits in the
    // always-on-top band, and the report must not hide behind it.
    MessageBoxW(owner(), widen(text).c_str(), widen(title).c_str(),
                MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST | MB_SETFOREGROUND);
}

bool Win32Dialogs::askQuestion(const std::string& text, const std::string& title)
{
    // Topmost as the warning is; No is the default button.
    return MessageBoxW(owner(), widen(text).c_str(), widen(title).c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2 | MB_TOPMOST | MB_SETFOREGROUND) == IDYES;
}

namespace {

struct InputBoxState {
    std::wstring prompt;
    std::wstring title;
    std::wstring initial;
    std::wstring answer;
};

INT_PTR inputBoxMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetWindowTextW(dialog, state->title.c_str());
        SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, state->prompt.c_str());
        SetDlgItemTextW(dialog, IDC_INPUT_ANSWER, state->initial.c_str());
        // Centred across and a third down, as the runtime's input box
        // appears, on the screen its owner is on (the main window's, also
        // before that window first shows).
        RECT rect{};
        GetWindowRect(dialog, &rect);
        const HWND owner = GetWindow(dialog, GW_OWNER);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        SetWindowPos(dialog, nullptr, work.left + std::max(0L, (work.right - work.left - width) / 2),
                     work.top + std::max(0L, (work.bottom - work.top - height) / 3), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;  // focus goes to the answer box, the first tab stop
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const HWND edit = GetDlgItem(dialog, IDC_INPUT_ANSWER);
            const int length = GetWindowTextLengthW(edit);
            std::wstring answer(static_cast<std::size_t>(length) + 1, L'\0');
            GetWindowTextW(edit, answer.data(), length + 1);
            answer.resize(static_cast<std::size_t>(length));
            state->answer = answer;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto handled = guarded([] { return std::string_view("InputBox.DialogProc"); },
                                 [&] { return inputBoxMessage(dialog, message, wParam, lParam); });
    return handled ? *handled : FALSE;
}

}  // namespace

std::optional<std::string> Win32Dialogs::showInput(const std::string& prompt, const std::string& title,
                                                   const std::string& initial)
{
    InputBoxState state{widen(prompt), widen(title), widen(initial), {}};
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUTBOX), owner(),
                                           &inputBoxProc, reinterpret_cast<LPARAM>(&state));
    if (result == -1) fail(describeError(GetLastError()));
    if (result != IDOK) return std::nullopt;
    return narrow(state.answer);
}

}  // namespace mw::win32
