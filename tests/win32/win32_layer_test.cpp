// The Win32 layer where only real windows can show it: who is reached while a
// window is destroyed, a timer tick that destroys its own window, handlers
// that throw, a target raised and released, and a shell that refuses the tray
// icon at first.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "integration/sys_tray.h"
#include "platform/win32/failure_barrier.h"
#include "platform/win32/form_window.h"
#include "platform/win32/global_hotkey.h"
#include "platform/win32/hwnd.h"
#include "platform/win32/window_system.h"
#include "platform/win32/notification_area.h"
#include "platform/win32/clock.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/registry.h"
#include "platform/win32/step_timer.h"
#include "platform/win32/key_poster.h"
#include "platform/win32/running_copies.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/user_key_watch.h"
#include "targets/window_list.h"
// After the Windows headers, which it relies on.
#include <tlhelp32.h>

namespace mw::win32 {
namespace {

using namespace std::chrono_literals;

// Pumps this thread's messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

// Counts the system exceptions raised in the process (an access violation in
// a window procedure among them): Windows and Wine swallow those raised under
// a callback, so only a first look at every exception sees them. The C++
// exceptions of the code under test (GCC's codes) are no fault.
class NoSystemExceptions : public ::testing::Test {
protected:
    NoSystemExceptions() : handler_(AddVectoredExceptionHandler(1, &NoSystemExceptions::seen)) { count() = 0; }
    ~NoSystemExceptions() override
    {
        RemoveVectoredExceptionHandler(handler_);
        EXPECT_EQ(count(), 0) << "system exceptions raised during the test";
    }

private:
    static LONG CALLBACK seen(EXCEPTION_POINTERS* exception)
    {
        const DWORD code = exception->ExceptionRecord->ExceptionCode;
        if (code != 0x20474343 && code != 0x21474343 && code != 0x406D1388) ++count();
        return EXCEPTION_CONTINUE_SEARCH;
    }
    static int& count()
    {
        static int raised = 0;
        return raised;
    }
    void* handler_;
};

class WindowLifetime : public NoSystemExceptions {};
class FormWindowTimer : public NoSystemExceptions {};
class FailureBarrier : public NoSystemExceptions {};
class TrayIcon : public NoSystemExceptions {};
class ListControl : public NoSystemExceptions {};
class TopmostBand : public NoSystemExceptions {};

constexpr int kButtonId = 2001;
constexpr int kListId = 2002;
constexpr std::array kControls{
    ControlLayout{"Button1", ControlKind::PushButton, "", "Press", 120, 120, 1500, 405, 0, kArial9Bold, true,
                  kButtonId},
    ControlLayout{"List1", ControlKind::ListView, "", "", 120, 600, 2700, 800, 1, kArial9Bold, true, kListId},
};
constexpr FormLayout kLayout{"TestForm", "Test form", 3000, 1500, kArial9Bold, kControls};
constexpr FormWindow::Style kStyle{WS_OVERLAPPEDWINDOW, 0, nullptr};

class Probe final : public WindowClass {
public:
    explicit Probe(std::vector<std::string>& log) : log_(log)
    {
        create(L"MarrowindProbe", WS_OVERLAPPEDWINDOW, 0, L"probe", 0, 0, 100, 100, nullptr, nullptr, nullptr,
               "Probe");
    }
    ~Probe() override { log_.push_back("object gone"); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY) log_.push_back("WM_DESTROY");
        return defaultProc(message, wParam, lParam);
    }

private:
    std::vector<std::string>& log_;
};

TEST_F(WindowLifetime, AnObjectBeingDestroyedIsNeverReachedThroughItsWindow)
{
    std::vector<std::string> log;
    HWND window = nullptr;
    {
        Probe probe(log);
        window = probe.hwnd();
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(log, std::vector<std::string>{"object gone"}) << "no message after the object began to go";

    // Destroyed from outside, the window lets its object know.
    log.clear();
    Probe probe(log);
    DestroyWindow(probe.hwnd());
    EXPECT_EQ(probe.hwnd(), nullptr);
    EXPECT_EQ(log, std::vector<std::string>{"WM_DESTROY"});
}

TEST_F(FormWindowTimer, ATickThatDestroysItsWindowGoesOnWithItsTimer)
{
    FormWindow window(kLayout, kStyle, nullptr, nullptr);
    Win32Timer& timer = window.timer(1);
    int ticks = 0;
    timer.onTick = [&] {
        ++ticks;
        // As a tick whose error box dispatched the close: the window goes
        // while the tick is on the stack, and the tick goes on.
        DestroyWindow(window.hwnd());
        timer.setInterval(1000);
    };
    timer.setInterval(10);
    ASSERT_TRUE(pumpUntil([&] { return ticks == 1; }, 5s));
    EXPECT_EQ(&window.timer(1), &timer) << "the timer outlives its window";
    EXPECT_EQ(timer.interval(), 1000) << "and holds what the tick set";
    EXPECT_FALSE(pumpUntil([&] { return ticks > 1; }, 200ms)) << "but never ticks again";
}

LRESULT CALLBACK countMoves(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR moves)
{
    if (message == WM_WINDOWPOSCHANGED) ++*reinterpret_cast<int*>(moves);
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(WindowLifetime, AMoveToAMonitorOfAnotherDpiTakesTheSuggestedRectangleInOneMove)
{
    FormWindow window(kLayout, kStyle, nullptr, nullptr);
    SIZE size{};
    ASSERT_TRUE(SendMessageW(window.hwnd(), WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&size)))
        << "the design's size at 144 DPI is given";
    int moves = 0;
    SetWindowSubclass(window.hwnd(), &countMoves, 1, reinterpret_cast<DWORD_PTR>(&moves));
    RECT suggested{200, 150, 200 + size.cx, 150 + size.cy};
    SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RemoveWindowSubclass(window.hwnd(), &countMoves, 1);
    RECT now{};
    GetWindowRect(window.hwnd(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << now.left << "," << now.top << " " << now.right << "," << now.bottom;
    EXPECT_EQ(moves, 1);
    POINT button{};
    MapWindowPoints(window.control(kButtonId), window.hwnd(), &button, 1);
    EXPECT_EQ(button.x, twipsToPixels(120, 144)) << "the controls are laid out at the new DPI";
}

TEST_F(FailureBarrier, AThrowingHandlerIsReportedWhereItRanAndTheMessageGoesOn)
{
    std::vector<std::string> reports;
    setFailureReporter([&](std::string_view location, std::string_view description) {
        reports.push_back(std::string(location) + ": " + std::string(description));
    });
    {
        FormWindow window(kLayout, kStyle, nullptr, nullptr);
        Win32Button& button = window.button(kButtonId);
        button.onClick = [] { throw std::runtime_error("click failed"); };
        button.onMouseMove = [] { throw std::runtime_error("move failed"); };
        const HWND child = window.control(kButtonId);
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(child));
        SendMessageW(child, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(SendMessageW(child, WM_GETTEXTLENGTH, 0, 0), 5) << "the control still answers";
    }
    setFailureReporter(nullptr);
    EXPECT_EQ(reports, (std::vector<std::string>{"TestForm.WindowProc: click failed", "TestForm.Button1: move failed"}));
}

TEST_F(ListControl, AColumnOneTwipWideStillHoldsItsText)
{
    FormWindow window(kLayout, kStyle, nullptr, nullptr);
    Win32ListView& list = window.listView(kListId);
    list.addColumn("Title");
    list.addColumn("Handle");
    list.setColumnWidth(2, 1);
    list.setSubItem(list.addRow("Notepad"), "4242");
    EXPECT_EQ(list.selectedSubItem(), "4242");
    EXPECT_LE(ListView_GetColumnWidth(window.control(kListId), 1), 1);
}

TEST_F(ListControl, AReportListKeepsItsSelectionOnTheSameRowAsRowsComeAndGoAndCanHaveNone)
{
    FormWindow window(kLayout, kStyle, nullptr, nullptr);
    Win32ReportList& list = window.reportList(kListId);
    int events = 0;
    list.onSelectionChanged = [&] { ++events; };
    list.addColumn("Name", 1000);
    list.addColumn("State", 1000);
    for (int row = 0; row < 3; ++row) {
        list.insertRow(row);
        list.setCell(row, 0, std::string(1, static_cast<char>('a' + row)));
    }
    list.setCell(1, 1, "On, next in 00:00:04");
    EXPECT_EQ(list.selected(), -1) << "none until one is chosen";
    list.select(1);
    list.insertRow(0);
    list.setCell(0, 0, "first");
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.cell(2, 0), "b");
    EXPECT_EQ(list.cell(2, 1), "On, next in 00:00:04");
    list.removeRow(3);
    EXPECT_EQ(list.selected(), 2);
    list.select(-1);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(events, 0) << "only the user's choice is an event";
}

TEST_F(TopmostBand, ATargetRaisedAndReleasedStaysWhereItIs)
{
    const HWND target = CreateWindowExW(0, L"STATIC", L"target", WS_OVERLAPPEDWINDOW, 300, 200, 400, 300, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(target, nullptr);
    const auto topmost = [&] { return (GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    RECT before{}, after{};
    GetWindowRect(target, &before);
    Win32WindowSystem windows;
    windows.setTopmostBand(fromHwnd(target), true);
    EXPECT_TRUE(topmost());
    windows.setTopmostBand(fromHwnd(target), false);
    EXPECT_FALSE(topmost());
    GetWindowRect(target, &after);
    EXPECT_EQ(before.left, 300);
    EXPECT_TRUE(EqualRect(&before, &after)) << "now at " << after.left << "," << after.top;
    DestroyWindow(target);
}

TEST_F(TopmostBand, ATargetPinnedOnTopStaysPinnedAfterItsTurnAndAnotherIsReleased)
{
    for (const bool pinned : {true, false}) {
        const HWND target = CreateWindowExW(pinned ? WS_EX_TOPMOST : 0, L"STATIC", L"target", WS_OVERLAPPEDWINDOW,
                                            300, 200, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(target, nullptr);
        Win32WindowSystem windows;
        const bool wasTopmost = setTopMost(windows, fromHwnd(target));
        EXPECT_EQ(wasTopmost, pinned);
        clearTopMost(windows, fromHwnd(target), wasTopmost);
        EXPECT_EQ((GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, pinned);
        DestroyWindow(target);
    }
}

// A shell whose notification area refuses every icon, as one that has not
// finished starting at logon does.
LRESULT CALLBACK refusingShell(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(TrayIcon, RefusedAtFirstItIsThereOnceTheShellTakesIt)
{
    WNDCLASSW shellClass{};
    shellClass.lpfnWndProc = refusingShell;
    shellClass.hInstance = GetModuleHandleW(nullptr);
    shellClass.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&shellClass);
    HWND refusing = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 1, 1,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), refusing) << "the refusing shell answers first";

    Win32NotificationArea area;
    Win32Clock clock;
    Win32EventLoop events;
    cSysTray tray(area, clock, events);
    tray.setTrayTip("Marrowind test icon");
    tray.setInTray(true);
    EXPECT_FALSE(tray.iconShown());
    DestroyWindow(refusing);  // the real shell is ready now
    EXPECT_TRUE(pumpUntil([&] { return tray.iconShown(); }, 10s));
    tray.setInTray(false);
}

TEST(Registry, AStringGoesIntoAKeyThatDoesNotExistYet)
{
    const std::string key = "Software\\Marrowind Layer Test\\Run";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Marrowind Layer Test");
    Win32Registry registry;
    EXPECT_TRUE(registry.setString(Hive::CurrentUser, key, "Entry", "\"C:\\M\u00e4rrowind.exe\""));
    EXPECT_EQ(registry.getString(Hive::CurrentUser, key, "Entry"), "\"C:\\M\u00e4rrowind.exe\"");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Marrowind Layer Test");
}

TEST(TrayNotifications, EachCodeTheProgramActsOnBecomesItsEventAndOthersNone)
{
    struct Case {
        UINT code;
        bool menuReported;
        std::optional<TrayEvent> event;
    };
    const Case cases[] = {
        {WM_LBUTTONDBLCLK, true, TrayEvent::LeftDoubleClick}, {WM_RBUTTONDBLCLK, false, TrayEvent::RightDoubleClick},
        {WM_CONTEXTMENU, true, TrayEvent::MenuRequested},     {WM_RBUTTONUP, false, TrayEvent::MenuRequested},
        {WM_RBUTTONUP, true, std::nullopt},  // the menu comes as WM_CONTEXTMENU then
        {NIN_KEYSELECT, true, TrayEvent::KeySelected},        {NIN_BALLOONHIDE, true, TrayEvent::BalloonGone},
        {NIN_BALLOONTIMEOUT, true, TrayEvent::BalloonGone},   {NIN_BALLOONUSERCLICK, true, TrayEvent::BalloonGone},
        {WM_MOUSEMOVE, true, std::nullopt},                   {WM_LBUTTONUP, true, std::nullopt},
        {WM_MBUTTONDBLCLK, true, std::nullopt},               {NIN_BALLOONSHOW, true, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(trayEventOf(c.code, c.menuReported), c.event) << c.code;
}

TEST_F(ListControl, AHotkeyFieldGivesBackTheCombinationItWasGiven)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    constexpr std::array controls{
        ControlLayout{"Hotkey1", ControlKind::HotkeyBox, "", "", 120, 120, 1800, 330, 0, kArial9Bold, true, 2101},
    };
    const FormLayout layout{"HotkeyForm", "Hotkey form", 3000, 1500, kArial9Bold, controls};
    FormWindow window(layout, kStyle, nullptr, nullptr);
    HotkeyBox& field = window.hotkeyBox(2101);
    // Delete is the navigation block's: the control names it so by the
    // extended flag, which is no part of the combination.
    for (const std::optional<HotkeyCombination>& combination :
         {std::optional<HotkeyCombination>{{true, true, false, VK_DELETE}}, {{true, false, true, 'K'}},
          {{false, true, false, VK_F4}}, std::optional<HotkeyCombination>{}}) {
        field.setCombination(combination);
        EXPECT_EQ(field.combination(), combination);
    }
    field.setCombination(HotkeyCombination{true, true, false, VK_DELETE});
    EXPECT_EQ(SendMessageW(window.control(2101), HKM_GETHOTKEY, 0, 0),
              MAKEWORD(VK_DELETE, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT));
}

TEST(GlobalHotkey, SuspensionsNestAndACombinationClaimedMeanwhileIsHeldFromTheLastResume)
{
    Win32GlobalHotkey program, other;
    const HotkeyCombination first{true, true, true, VK_F9}, second{true, true, true, VK_F10};
    const auto free = [&](const HotkeyCombination& combination) {
        const bool taken = other.claim(1, combination, {});
        other.release(1);
        return taken;
    };
    ASSERT_TRUE(program.claim(1, first, {}));
    EXPECT_FALSE(free(first));
    program.suspend();
    program.suspend();
    program.resume();
    EXPECT_TRUE(free(first)) << "let go until the last resume";
    program.resume();
    EXPECT_FALSE(free(first));

    program.suspend();
    EXPECT_TRUE(program.claim(1, second, {})) << "free, as far as other programs go";
    EXPECT_TRUE(free(second)) << "yet not held while suspended";
    program.resume();
    EXPECT_FALSE(free(second));
    program.release(1);
}

TEST(StepTimer, OnlyTheLastStepScheduledRunsAndACancelledOneNever)
{
    Win32StepTimer timer;
    std::vector<int> ran;
    timer.schedule(30, [&] { ran.push_back(1); });
    timer.schedule(60, [&] {
        ran.push_back(2);
        timer.schedule(0, [&] { ran.push_back(3); });  // the next step, from this one
    });
    ASSERT_TRUE(pumpUntil([&] { return ran.size() == 2; }, 2s));
    EXPECT_EQ(ran, (std::vector<int>{2, 3}));
    timer.schedule(10, [&] { ran.push_back(4); });
    timer.cancel();
    EXPECT_FALSE(pumpUntil([&] { return ran.size() > 2; }, 200ms));
}

TEST(StepTimer, ATimerThatFiresBeforeTheStepIsDueFiresAgainWhenItIs)
{
    Win32StepTimer timer;
    bool ran = false;
    timer.schedule(300, [&] { ran = true; });
    // It fires now, once, as an ordinary waitable timer may on the system
    // timer's ticks.
    LARGE_INTEGER now{};
    now.QuadPart = -1;
    SetWaitableTimer(timer.waitableTimer(), &now, 0, nullptr, nullptr, FALSE);
    EXPECT_TRUE(pumpUntil([&] { return ran; }, 3s));
}

// The threads of this process.
int threadCount()
{
    const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    return count;
}

TEST(UserKeyWatch, AWatchEndedBeforeItsThreadStartedLeavesNoThreadBehind)
{
    const int before = threadCount();
    for (int i = 0; i < 5; ++i) Win32UserKeyWatch watch(0);  // its thread not waited for
    EXPECT_TRUE(pumpUntil([&] { return threadCount() <= before; }, 3s)) << threadCount() - before << " left";
}

TEST(KeyPoster, EachMessageCarriesTheKeyboardsBits)
{
    struct Case {
        KeyMessage key;
        UINT message;
        LPARAM lParam;
    };
    const Case cases[] = {
        {{KeyMessage::Kind::KeyDown, VK_RETURN, 0x1C, false, false}, WM_KEYDOWN, 0x001C0001},
        {{KeyMessage::Kind::KeyUp, VK_LEFT, 0x4B, true, false}, WM_KEYUP, static_cast<LPARAM>(static_cast<LONG>(0xC14B0001u))},
        {{KeyMessage::Kind::KeyDown, 'F', 0x21, false, true}, WM_SYSKEYDOWN, 0x20210001},
        {{KeyMessage::Kind::Character, 0x20AC, 0, false, false}, WM_CHAR, 0x00000001},
    };
    for (const Case& c : cases) {
        const PostedMessage m = postedMessage(c.key);
        EXPECT_EQ(m.message, c.message) << c.key.code;
        EXPECT_EQ(m.wParam, c.key.code);
        EXPECT_EQ(m.lParam, c.lParam) << c.key.code;
    }
}

TEST(UserKeyWatch, TheProgramsOwnKeysNeverCountAndAKeyAnyoneElseSendsDoes)
{
    // F24 types nothing wherever it goes.
    const auto press = [](ULONG_PTR extraInfo) {
        INPUT keys[2]{};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = VK_F24;
            key.ki.dwExtraInfo = extraInfo;
        }
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendInput(2, keys, sizeof(INPUT)) == 2;
    };
    // The keys go to a window in front, as a turn's do. (Wine gives the
    // keyboard's raw input to no one while no window is in front.)
    const HWND front = CreateWindowExW(0, L"STATIC", L"keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 200, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(front);
    SetForegroundWindow(front);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == front; }, 2s));
    Win32UserKeyWatch watch;
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(press(kOwnKeysTag));
    EXPECT_FALSE(pumpUntil([&] { return watch.pressed(); }, 300ms)) << "the program's own";
    ASSERT_TRUE(press(0));  // as the user's, or another program's for the user
    EXPECT_TRUE(pumpUntil([&] { return watch.pressed(); }, 2s));
    DestroyWindow(front);
}

TEST(RunningCopies, ATokenHeldOrOutOfReachMeansACopyRunsAndOneGivenUpCanBeTaken)
{
    const wchar_t* const name = L"Local\\Marrowind.LayerTest.Running";
    Win32RunningCopies first(name, L"MarrowindLayerTestNoWindow", L"");
    Win32RunningCopies second(name, L"MarrowindLayerTestNoWindow", L"");
    ASSERT_TRUE(first.claim());
    EXPECT_FALSE(second.claim()) << "held by the first";
    EXPECT_FALSE(second.askToShow()) << "no window answers";
    first.giveUp();
    EXPECT_TRUE(second.claim()) << "given up";
    second.giveUp();

    // As an elevated copy's token looks to a start that is not: it exists and
    // may not be opened (an empty access list grants nothing).
    SECURITY_DESCRIPTOR descriptor{};
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    ACL empty{};
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &empty, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    const UniqueKernelHandle elevated(CreateMutexW(&attributes, FALSE, name));
    ASSERT_TRUE(elevated);
    ASSERT_EQ(CreateMutexW(nullptr, FALSE, name), nullptr);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(second.claim());
}

}  // namespace
}  // namespace mw::win32
