// Staying in control of automatic typing: the keys keep to the chosen window,
// the global hotkey, the tray menu and the one copy per session, end to end.
#include <gtest/gtest.h>

#include "driver.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

const std::wstring kTurnedOnText = L"Turn Off";

TEST(Control, TypingKeepsToTheChosenWindowAndStopsWhenItCloses)
{
    Target bystander(L"Marrowind Bystander");
    Target chosen(L"Marrowind Chosen Target");
    Target next(L"Marrowind Next Target");
    Marrowind app;
    app.writeKeys(L"k");
    app.selectTarget("Marrowind Chosen Target");
    app.chooseInterval(1);  // every second
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return chosen.typed().size() >= 2; }, 10s));
    // The user works in another window between turns: the keys stay put.
    bringToFront(bystander.window());
    const std::size_t before = chosen.typed().size();
    ASSERT_TRUE(waitUntil([&] { return chosen.typed().size() >= before + 2; }, 10s));

    chosen.close();
    EXPECT_TRUE(waitUntil([&] { return app.status() == L"Nothing typed: the window chosen for typing has closed."; },
                          5s))
        << narrow(app.status());
    EXPECT_FALSE(waitUntil([&] { return !bystander.typed().empty() || !next.typed().empty(); }, 3s))
        << "keys went to a window nobody chose";

    app.selectTarget("Marrowind Next Target");
    EXPECT_TRUE(waitUntil([&] { return !next.typed().empty(); }, 10s)) << "a click on another row resumes there";
    app.press(id::kPushButton4);
}

TEST(Control, TheHotkeyTurnsTypingOnAndOffFromAnyWindow)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    app.selectTarget("Marrowind Test Target");
    bringToFront(target.window());
    pressChord({VK_CONTROL, VK_MENU, VK_F11});
    EXPECT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == kTurnedOnText; }));
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "StartStopState") == std::string("On"); }));
    bringToFront(target.window());
    pressChord({VK_CONTROL, VK_MENU, VK_F11});
    EXPECT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == L"Turn On"; }));
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "StartStopState") == std::string("Off"); }));
    EXPECT_EQ(app.status(), L"Off.");
}

TEST(Control, TheProgramsOwnKeysNeverPressItsHotkey)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"a^%{F11}b");
    app.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return target.typed().find('b') != std::string::npos; }));
    // Whatever the hotkey would have done has had time to arrive by now.
    EXPECT_FALSE(waitUntil([&] { return text(app.control(id::kPushButton4)) == kTurnedOnText; }, 1s));
    EXPECT_NE(regQuery(kSettingsKey, "StartStopState"), std::string("On"));
}

TEST(Control, TheTrayMenuShowsTurnsOnTypesAndExits)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"m");

    HWND menu = app.openTrayMenu();
    ASSERT_NE(menu, nullptr);
    // A click elsewhere closes it.
    clickAt({1500, 1100});
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(menu); }));

    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(app.window()); }));
    ASSERT_NE(app.openTrayMenu(), nullptr);
    chooseFromMenu(0);  // Show
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(app.window()) != FALSE; }));

    ASSERT_NE(app.openTrayMenu(), nullptr);
    chooseFromMenu(2);  // Type Now (Test)
    EXPECT_TRUE(waitUntil([&] { return target.typed() == "m"; }));

    ASSERT_NE(app.openTrayMenu(), nullptr);
    chooseFromMenu(1);  // Turn On
    EXPECT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == kTurnedOnText; }));
    ASSERT_NE(app.openTrayMenu(), nullptr);
    chooseFromMenu(1);  // Turn Off
    EXPECT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == L"Turn On"; }));

    ASSERT_NE(app.openTrayMenu(), nullptr);
    chooseFromMenu(6);  // Exit, past the Sequences submenu, the separator, Sequences… and Options…
    EXPECT_TRUE(app.waitForExit(5s));
}

TEST(Control, ASecondStartShowsTheFirstCopyAndEnds)
{
    Marrowind first;
    PostMessageW(first.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(first.window()); }));
    Marrowind second(Marrowind::Options{false, false, {}});
    EXPECT_TRUE(second.waitForExit(10s));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(first.window()) != FALSE; })) << "the first copy is back";
    EXPECT_TRUE(first.process().running());
}

BOOL CALLBACK countMainWindow(HWND window, LPARAM count)
{
    if (IsWindowVisible(window) && text(window) == kProductTitle) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(Control, AStartWhileTheLastCopyIsClosingBringsUpOneWindow)
{
    // A copy that is closing for seconds: the close is sent (as Task Manager's
    // End task sends it) while a long turn waits on a target that stopped
    // answering, and the process ends once the turn gives up.
    Target hung(L"Marrowind Hung Target", L"--hang-after 100");
    Marrowind closing;
    closing.selectTarget("Marrowind Hung Target");
    closing.setKeys(std::wstring(3000, L'h'));
    closing.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return hung.typed().size() >= 100; }));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(closing.window(), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(closing.window()); }));
    ASSERT_TRUE(closing.process().running());

    Marrowind started(Marrowind::Options{false, true, {}});
    int windows = 0;
    EnumWindows(&countMainWindow, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 1);
    EXPECT_TRUE(closing.waitForExit(30s));
    EXPECT_TRUE(started.process().running());
}

}  // namespace
}  // namespace e2e
