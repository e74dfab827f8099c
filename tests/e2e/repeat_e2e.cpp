// How turns repeat and how keys go in (the Options dialog's settings), end to
// end: paced keys, pauses, stop conditions, a turn that never holds the
// program, the focus given back and typing in the background.
#include <gtest/gtest.h>

#include <cstdio>

#include "driver.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

// The times the recorder got its characters, in milliseconds.
std::vector<long long> characterTimes(const Target& target)
{
    std::vector<long long> times;
    for (const KeyMessage& m : target.messages())
        if (m.kind == "CHAR") times.push_back(m.ms);
    return times;
}

TEST(Repeat, AKeyDelayAndADelayCodePaceTheKeys)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"KeyDelay", "100"}});
    Marrowind app(false);
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"0123456789");
    app.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return target.typed() == "0123456789"; }, 10s));
    const auto ten = characterTimes(target);
    const long long span = ten.back() - ten.front();
    std::printf("[figure] ten characters 100 ms apart span %lld ms\n", span);
    // Nine delays of 100 ms between ten keys; the recorder's clock and its
    // taking the first key as it comes to the front may shave a few off.
    EXPECT_GE(span, 850) << "nine delays of 100 ms between ten keys";

    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"x{DELAY 800}y");
    app.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return target.typed() == "0123456789xy"; }, 10s));
    const auto all = characterTimes(target);
    const long long pause = all.back() - all[all.size() - 2];
    std::printf("[figure] x{DELAY 800}y: %lld ms between x and y\n", pause);
    EXPECT_GE(pause, 750);
}

TEST(Repeat, ThreeTurnsAndTypingStopsAsTurnOffDoes)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"StopAfterTurns", "3"}, {"OftenIndex", "1"}});
    Marrowind app(false);
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"k");
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == L"Turn On"; }, 15s));
    EXPECT_EQ(app.status(), L"Off. Stopped after 3 turns.");
    EXPECT_EQ(regQuery(kSettingsKey, "StartStopState"), std::string("Off"));
    EXPECT_FALSE(waitUntil([&] { return target.typed().size() > 3; }, 2500ms)) << "no fourth turn";
    EXPECT_EQ(target.typed(), "kkk");
}

TEST(Repeat, TurnOffInTheMiddleOfALongTurnEndsItAtOnceWithNoKeyDown)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"KeyDelay", "50"}, {"OftenIndex", "1"}});
    Marrowind app(false);
    app.selectTarget("Marrowind Test Target");
    // Two hundred keys 50 ms apart, all with Shift held: ten seconds.
    app.writeKeys(L"+(" + std::wstring(200, L'a') + L")");
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return target.typed().size() >= 10; }, 10s));
    app.press(id::kPushButton4);
    EXPECT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == L"Turn On"; }, 1s));
    EXPECT_EQ(app.status(), L"Off.");
    EXPECT_TRUE(waitUntil([&] { return (target.keyState(VK_SHIFT) & 0x8000) == 0; }, 2s)) << "Shift let go";
    const std::size_t typed = target.typed().size();
    EXPECT_FALSE(waitUntil([&] { return target.typed().size() > typed; }, 1s)) << "the rest is not typed";
    EXPECT_LT(typed, 200u);
    EXPECT_EQ(target.typed(), std::string(typed, 'A'));
}

TEST(Repeat, OneKeyATickTypesABraceCodeOrAPrefixWithItsKeyAsOneKey)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"OftenIndex", "6"}});  // one character of 'Keys' every second
    Marrowind app(false);
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"+a{TAB}b");
    app.press(id::kPushButton4);
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() >= 3; }, 10s));
    app.press(id::kPushButton4);
    EXPECT_EQ(target.typed().substr(0, 3), "A\tb");
    EXPECT_EQ(app.errorDialog(), nullptr);
}

TEST(Repeat, TheFocusGoesBackToTheWindowTheUserWasIn)
{
    Target target(L"Marrowind Test Target");
    presetSettings({{"GiveFocusBack", "On"}, {"OftenIndex", "1"}});
    Marrowind app(false);
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"k");
    Target work(L"Marrowind Work Window");
    app.press(id::kPushButton4);
    bringToFront(work.window());
    ASSERT_TRUE(waitUntil([&] { return target.typed().size() >= 2; }, 10s));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == work.window(); }, 3s));
    EXPECT_TRUE(work.typed().empty());
    app.press(id::kPushButton4);
}

TEST(Repeat, BackgroundTypingReachesAnEditControlWhileTheForegroundStaysPut)
{
    Target host(L"Marrowind Host", L"--edit");
    presetSettings({{"BackgroundTyping", "On"}, {"OftenIndex", "1"}});
    Marrowind app(false);
    app.selectTarget("Marrowind Host");
    app.writeKeys(L"Hello, World{ENTER}");
    Target other(L"Marrowind Other Window");
    bringToFront(other.window());
    const HWND edit = FindWindowExW(host.window(), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    // Turned on with the hotkey, so that the foreground never leaves the
    // other window.
    pressChord({VK_CONTROL, VK_MENU, VK_F11});
    bool frontChanged = false;
    EXPECT_TRUE(waitUntil(
        [&] {
            frontChanged |= GetForegroundWindow() != other.window();
            return text(edit).rfind(L"Hello, World\r\n", 0) == 0;
        },
        10s));
    EXPECT_FALSE(frontChanged);
    EXPECT_TRUE(other.typed().empty()) << "the window in front got nothing";
    pressChord({VK_CONTROL, VK_MENU, VK_F11});
    EXPECT_TRUE(waitUntil([&] { return text(app.control(id::kPushButton4)) == L"Turn On"; }));
}

TEST(Repeat, InTheBackgroundACtrlCombinationTypesNothingAndTheStatusSaysWhy)
{
    Target host(L"Marrowind Host", L"--edit");
    presetSettings({{"BackgroundTyping", "On"}});
    Marrowind app(false);
    app.selectTarget("Marrowind Host");
    // Posted, Ctrl+A would reach the edit control as a plain "a".
    app.writeKeys(L"x^a");
    app.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return app.status().rfind(L"Nothing typed: Ctrl combinations", 0) == 0; }, 10s))
        << narrow(app.status());
    const HWND edit = FindWindowExW(host.window(), nullptr, L"Edit", nullptr);
    EXPECT_EQ(text(edit), L"");
    EXPECT_EQ(app.errorDialog(), nullptr);
}

}  // namespace
}  // namespace e2e
