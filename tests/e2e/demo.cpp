// The headless demonstration the run command shows: Notepad opens, the main
// window selects it, and Type Now types a greeting into it. Prints what
// Notepad then holds and the part of the screen both windows cover (for the
// screenshot); leaves both running. Exit code 0 when Notepad got the text.
#include <cstdio>

#include "driver.h"
#include "main_window/form1_layout.h"

int wmain()
{
    using namespace e2e;
    Process notepad(L"C:\\windows\\system32\\notepad.exe", L"");
    const HWND notepadWindow = waitForWindow(notepad.id(), L"Untitled - Notepad");
    if (!notepadWindow) {
        std::fprintf(stderr, "Notepad did not open\n");
        return 1;
    }
    Marrowind app;
    app.keepRunning();
    // Notepad beside the main window, so that a screenshot shows both.
    const RECT main = screenRect(app.window());
    SetWindowPos(notepadWindow, nullptr, main.right + 16, main.top, 520, main.bottom - main.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    app.press(mw::form1_id::kPushButton1);  // the list shows it where it now is
    app.selectTarget("Untitled - Notepad");
    app.writeKeys(L"Hello from Marrowind!{ENTER}These keys were typed by Type Now {(}Test{)}.");
    app.press(mw::form1_id::kPushButton2);
    const HWND edit = FindWindowExW(notepadWindow, nullptr, L"Edit", nullptr);
    const std::wstring expected = L"Hello from Marrowind!\r\nThese keys were typed by Type Now (Test).";
    const bool typed = waitUntil([&] { return text(edit) == expected; });
    std::printf("Notepad now holds:\n%s\n", narrow(text(edit)).c_str());
    RECT both{};
    const RECT beside = screenRect(notepadWindow);
    UnionRect(&both, &main, &beside);
    std::printf("[screen] %ldx%ld+%ld+%ld\n", both.right - both.left + 24, both.bottom - both.top + 24,
                both.left - 12, both.top - 12);
    notepad.detach();
    return typed ? 0 : 1;
}
