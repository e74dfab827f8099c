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
    app.selectTarget("Untitled - Notepad");
    app.writeKeys(L"Hello from Marrowind!{ENTER}These keys were typed by Type Now {(}Test{)}.");
    app.press(mw::form1_id::kPushButton2);
    const HWND edit = FindWindowExW(notepadWindow, nullptr, L"Edit", nullptr);
    const std::wstring expected = L"Hello from Marrowind!\r\nThese keys were typed by Type Now (Test).";
    EXPECT_TRUE(waitUntil([&] { return text(edit) == expected; }));
    std::printf("Notepad now holds:\n%s\n", narrow(text(edit)).c_str());
    notepad.detach();
}

}  // namespace
}  // namespace e2e
