// However the program is closed, and whatever is open at that moment, it ends
// at once with exit code 0 and without an exception (the harness checks every
// end; these tests make the ends that matter happen).
#include <gtest/gtest.h>

#include "driver.h"
#include "platform/win32/notification_area.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

// WM_CLOSE, as the taskbar's "Close window" and Task Manager's "End task" send it.
void closeFromOutside(Marrowind& app) { PostMessageW(app.window(), WM_CLOSE, 0, 0); }

TEST(Ending, AfterASessionOfTypingHelpAndTheTray)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"ok");
    app.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return target.typed() == "ok"; }));
    app.press(id::kPushButton3);
    HWND help = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (help = findWindow(app.process().id(), L"Help")) != nullptr; }));
    PostMessageW(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(help) && IsWindowEnabled(app.window()); }));
    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(app.window()); }));
    PostMessageW(app.trayWindow(), mw::win32::kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(app.window()) != FALSE; }));
    closeFromOutside(app);
    EXPECT_TRUE(app.waitForExit(2s));
}

TEST(Ending, WhileTypingEverySecond)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"Textbox", "t"}, {"OftenIndex", "1"}, {"StartStopState", "On"}});
    Marrowind app(false);
    ASSERT_TRUE(waitUntil([&] { return target.typed().size() >= 2; }, 10s));
    closeFromOutside(app);
    EXPECT_TRUE(app.waitForExit(2s));
}

TEST(Ending, WhileTheSecondsPromptIsOpen)
{
    Marrowind app;
    app.chooseInterval(5);  // "Type 'Keys' every x seconds"
    app.press(id::kPushButton4);
    ASSERT_NE(waitForWindow(app.process().id(), L"Input Number Of Second(s)"), nullptr);
    closeFromOutside(app);
    EXPECT_TRUE(app.waitForExit(2s));
}

}  // namespace
}  // namespace e2e
