// Faults in real use, end to end.
#include <gtest/gtest.h>

#include "driver.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

TEST(Faults, ATargetClosedDuringAutomaticTypingGetsNoKeysAndTypingMovesOn)
{
    Target next(L"Marrowind Next Target");
    Target first(L"Marrowind First Target");
    presetSettings({{"Textbox", "q"}, {"OftenIndex", "1"}, {"StartStopState", "On"}});
    Marrowind app(false);
    ASSERT_TRUE(waitUntil([&] { return !first.typed().empty(); }, 10s));
    const std::size_t nextBefore = next.typed().size();
    first.close();
    EXPECT_TRUE(waitUntil([&] { return next.typed().size() > nextBefore; }, 10s)) << "typing goes on";
    EXPECT_EQ(next.typed().find_first_not_of('q'), std::string::npos);
    EXPECT_EQ(app.errorDialog(), nullptr);
    app.press(id::kPushButton4);
}

TEST(Faults, TwoCopiesRunAtOnceAndTheLastWriteWins)
{
    Marrowind one;
    Marrowind two(false);
    SetWindowPos(two.window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // side by side
    one.writeKeys(L"from one");
    two.writeKeys(L"from two");
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "Textbox") == std::string("from two"); }));
    for (Marrowind* copy : {&one, &two}) {
        EXPECT_TRUE(copy->process().running());
        DWORD_PTR answer = 0;
        EXPECT_TRUE(SendMessageTimeoutW(copy->window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer))
            << "responding";
    }
}

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
