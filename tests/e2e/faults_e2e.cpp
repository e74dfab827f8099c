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

}  // namespace
}  // namespace e2e
