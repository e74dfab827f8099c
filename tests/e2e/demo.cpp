// The headless demonstration the run command shows: Type Now types a greeting
// into Notepad. Not part of the test run; the run command starts it.
#include <gtest/gtest.h>

#include <cstdio>

#include "driver.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

TEST(DISABLED_Demo, TypeAGreetingIntoNotepad)
{
    Process notepad(L"C:\\windows\\system32\\notepad.exe", L"");
    const HWND notepadWindow = waitForWindow(notepad.id(), L"Untitled - Notepad");
    ASSERT_NE(notepadWindow, nullptr);
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
    EXPECT_TRUE(waitUntil([&] { return text(edit) == expected; }));
    std::printf("Notepad now holds:\n%s\n", narrow(text(edit)).c_str());
    // The part of the screen the two windows cover, for the screenshot.
    RECT both{};
    const RECT beside = screenRect(notepadWindow);
    UnionRect(&both, &main, &beside);
    std::printf("[screen] %ldx%ld+%ld+%ld\n", both.right - both.left + 24, both.bottom - both.top + 24,
                both.left - 12, both.top - 12);
    notepad.detach();
}

}  // namespace
}  // namespace e2e
