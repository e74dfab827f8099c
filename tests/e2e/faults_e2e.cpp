// Faults in real use, end to end.
#include <gtest/gtest.h>

#include "driver.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

TEST(Faults, ClosingDuringTheBalloonWaitExitsCleanlyAndRemovesTheIcon)
{
    Marrowind app;
    ASSERT_TRUE(waitUntil([&] { return app.trayIconPresent(); }));
    const HWND tray = app.trayWindow();
    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(app.window()); }));
    // The balloon wait runs for 5 s; the session ends in the middle of it.
    PostMessageW(app.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.process().waitForExit(10s));
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = tray;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &data));
}

TEST(Faults, AnErrorDialogDuringAutomaticTypingIsShownOnce)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"Textbox", "{"}, {"OftenIndex", "1"}, {"StartStopState", "On"}});
    Marrowind app(false);
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = app.errorDialog()) != nullptr; }, 10s));
    // Three more seconds of ticks while it is open: still one dialog.
    int dialogs = 0;
    waitUntil(
        [&] {
            dialogs = 0;
            EnumWindows(
                [](HWND w, LPARAM count) -> BOOL {
                    if (IsWindowVisible(w) && text(w) == L"Application Error") ++*reinterpret_cast<int*>(count);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&dialogs));
            return dialogs > 1;
        },
        3s);
    EXPECT_EQ(dialogs, 1);
    bringToFront(box);
    pressKey(VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    app.press(id::kPushButton4);
}

}  // namespace
}  // namespace e2e
