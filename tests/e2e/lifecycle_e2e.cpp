// Startup, the tray, the start-up options, the skin and closing, end to end.
#include <gtest/gtest.h>

#include <optional>

#include "driver.h"
#include "platform/win32/notification_area.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

const std::string kRunKey = "HKLM\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN";

TEST(Lifecycle, AFirstStartHasItsDefaultsTheTrayIconAndWritesTheKeyText)
{
    Marrowind app;
    EXPECT_TRUE(waitUntil([&] { return app.trayIconPresent(); }));
    EXPECT_EQ(regQuery(kSettingsKey, "Textbox"), std::optional<std::string>("Keys to automatically type"));
    EXPECT_EQ(listSelected(app.control(id::kListView2)), 1);
    EXPECT_EQ(text(app.control(id::kPushButton4)), L"Turn On");
    EXPECT_EQ(app.status(), L"Off.");
    EXPECT_FALSE(IsWindowVisible(app.control(id::kCheck8)));
}

TEST(Lifecycle, AStartWithTypingOnTypesByItself)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"Textbox", "z"}, {"OftenIndex", "1"}, {"StartStopState", "On"}});
    Marrowind app(false);
    EXPECT_EQ(text(app.control(id::kPushButton4)), L"Turn Off");
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() >= 2; }, 10s)) << target.typed();
    app.press(id::kPushButton4);
}

TEST(Lifecycle, AStartWithTypingOnWaitsForTheWindowChosenInTheLastRunAndTypesOnlyThere)
{
    presetSettings({{"Textbox", "r"}, {"OftenIndex", "1"}});
    std::optional<Target> chosen(std::in_place, L"Marrowind Chosen Target");
    {
        Marrowind last(false);
        last.selectTarget("Marrowind Chosen Target");
        last.press(id::kPushButton4);
        ASSERT_TRUE(waitUntil([&] { return !chosen->typed().empty(); }, 10s));
    }  // closed with typing on
    chosen.reset();

    // Another window of the same program is there, and in front: it is not
    // the one.
    const Target bystander(L"Marrowind Bystander");
    Marrowind app(false);
    EXPECT_TRUE(waitUntil(
        [&] { return app.status() == L"Waiting for marrowind_target.exe \"Marrowind Chosen Target\"\u2026"; }, 5s))
        << narrow(app.status());
    chosen.emplace(L"Marrowind Chosen Target");
    bringToFront(bystander.window());
    EXPECT_TRUE(waitUntil([&] { return !chosen->typed().empty(); }, 10s));
    EXPECT_EQ(bystander.typed(), "");
    app.press(id::kPushButton4);
}

TEST(Lifecycle, ABadStoredChoiceShowsOneErrorAndTheWindowStillComesUp)
{
    presetSettings({{"OftenIndex", "99"}});
    Marrowind app(Marrowind::Options{false, false, {}});
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = app.errorDialog()) != nullptr; }, 20s));
    EXPECT_NE(messageBoxText(box).find(L"in Pellquist2021/08/31.Form1.Form_Load at line 174"), std::wstring::npos)
        << narrow(messageBoxText(box));
    bringToFront(box);
    pressKey(VK_RETURN);
    EXPECT_NE(app.waitForMainWindow(), nullptr);
    EXPECT_EQ(app.errorDialog(), nullptr);
}

TEST(Lifecycle, MinimisingHidesToTheTrayTypingGoesOnAndADoubleClickOnTheIconBringsItBack)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"Textbox", "m"}, {"OftenIndex", "1"}, {"StartStopState", "On"}});
    Marrowind app(false);
    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);  // the title bar's minimise button
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(app.window()); }));
    const std::size_t before = target.typed().size();
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() >= before + 2; }, 10s)) << "typing goes on hidden";
    // What the shell sends for a double click on the icon.
    PostMessageW(app.trayWindow(), mw::win32::kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(app.window()) && !IsIconic(app.window()); }));
    app.press(id::kPushButton4);
}

TEST(Lifecycle, TheStartupBoxWritesAndRemovesTheRunEntry)
{
    Marrowind app;
    click(app.control(id::kCheck4));
    EXPECT_TRUE(waitUntil([&] { return regQuery(kRunKey, "Marrowind.exe").has_value(); }));
    const auto data = regQuery(kRunKey, "Marrowind.exe");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->front(), '"');
    EXPECT_NE(data->find("Marrowind.exe\""), std::string::npos) << *data;
    EXPECT_TRUE(IsWindowVisible(app.control(id::kCheck8)));
    EXPECT_EQ(regQuery(kSettingsKey, "Windows Startup"), std::optional<std::string>("On"));
    click(app.control(id::kCheck4));
    EXPECT_TRUE(waitUntil([&] { return !regQuery(kRunKey, "Marrowind.exe").has_value(); }));
    EXPECT_FALSE(IsWindowVisible(app.control(id::kCheck8)));
}

TEST(Lifecycle, TheTrayIconComesBackAfterTheShellRestarts)
{
    Marrowind app;
    ASSERT_TRUE(waitUntil([&] { return app.trayIconPresent(); }));
    // A restarted shell has lost the icon, then broadcasts "TaskbarCreated".
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = app.trayWindow();
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(app.trayIconPresent());
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(waitUntil([&] { return app.trayIconPresent(); }));
}

TEST(Lifecycle, ClosingRemovesTheTrayIconAndEndsTheProcess)
{
    Marrowind app;
    ASSERT_TRUE(waitUntil([&] { return app.trayIconPresent(); }));
    const HWND tray = app.trayWindow();
    PostMessageW(app.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.process().waitForExit(10s));
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = tray;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &data)) << "the icon is gone";
}

// The colour the screen shows inside the startup options frame, left of its box.
COLORREF frameColour(HWND window)
{
    const HWND frame = GetDlgItem(window, id::kFrame3);
    const HWND check = GetDlgItem(window, id::kCheck4);
    RECT f{}, c{};
    GetWindowRect(frame, &f);
    GetWindowRect(check, &c);
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, (f.left + c.left) / 2, (c.top + c.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(Lifecycle, ASkinFileBesideTheProgramGivesTheButtonFaceLook)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"marrowind-skinned";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\x").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((binFolder() + L"\\Marrowind.exe").c_str(), (folder + L"\\Marrowind.exe").c_str(), FALSE));
    const HANDLE skin = CreateFileW((folder + L"\\x\\o.cjs").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(skin, INVALID_HANDLE_VALUE);
    CloseHandle(skin);
    {
        Marrowind plain;
        EXPECT_TRUE(waitUntil([&] { return frameColour(plain.window()) == RGB(255, 255, 255); }, 5s));
    }
    {
        Marrowind skinned(Marrowind::Options{true, true, folder + L"\\Marrowind.exe"});
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        EXPECT_TRUE(waitUntil([&] { return frameColour(skinned.window()) == face; }, 5s))
            << std::hex << frameColour(skinned.window()) << " vs " << face;
    }
    DeleteFileW((folder + L"\\x\\o.cjs").c_str());
    DeleteFileW((folder + L"\\Marrowind.exe").c_str());
    RemoveDirectoryW((folder + L"\\x").c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace e2e
