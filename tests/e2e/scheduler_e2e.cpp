// Interval options and automatic typing, end to end.
#include <gtest/gtest.h>

#include "driver.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

class Scheduler : public ::testing::Test {
protected:
    void chooseOption(int row) { app.chooseInterval(row); }
    void writeKeysAndSelectTarget(const std::wstring& keys)
    {
        app.writeKeys(keys);
        app.selectTarget("Marrowind Test Target");
    }
    HWND prompt() { return findWindow(app.process().id(), L"Input Number Of Second(s)"); }

    Target target{L"Marrowind Test Target"};
    Marrowind app;
};

TEST_F(Scheduler, EverySecondTypesTheWholeTextUntilTurnedOff)
{
    writeKeysAndSelectTarget(L"ab");
    chooseOption(1);
    app.press(id::kPushButton4);
    EXPECT_EQ(text(app.control(id::kPushButton4)), L"Turn Off");
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "StartStopState") == std::string("On"); }));
    ASSERT_TRUE(waitUntil([&] { return target.typed() == "ababab"; }, 15s)) << target.typed();
    app.press(id::kPushButton4);
    EXPECT_TRUE(waitUntil([&] { return app.status() == L"Off."; }));
    EXPECT_EQ(regQuery(kSettingsKey, "StartStopState"), std::string("Off"));
    const std::string typed = target.typed();
    EXPECT_FALSE(waitUntil([&] { return target.typed() != typed; }, 2500ms)) << "typing goes on after Turn Off";
}

TEST_F(Scheduler, OneCharacterModeTypesTheNextCharacterEachTurn)
{
    writeKeysAndSelectTarget(L"abc");
    chooseOption(6);
    app.press(id::kPushButton4);
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() >= 4; }, 15s));
    app.press(id::kPushButton4);
    EXPECT_EQ(target.typed().substr(0, 4), "abca");
}

TEST_F(Scheduler, TheSecondsPromptRepeatsOnCancelAndItsAnswerSetsTheInterval)
{
    writeKeysAndSelectTarget(L"x");
    chooseOption(5);
    app.press(id::kPushButton4);
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = prompt()) != nullptr; }));
    bringToFront(box);
    pressKey(VK_ESCAPE);  // Cancel
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box) && (box = prompt()) != nullptr; })) << "asked again";
    bringToFront(box);
    typeUnicode(L"2");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return prompt() == nullptr; }));
    EXPECT_TRUE(waitUntil([&] { return app.status() == L"On. Next type will occur in 00:00:01"; }, 5s))
        << narrow(app.status());
    EXPECT_TRUE(waitUntil([&] { return target.typed() == "xx"; }, 10s)) << target.typed();
    app.press(id::kPushButton4);
}

TEST_F(Scheduler, ARightClickThatMovesTheSelectionChoosesTheInterval)
{
    const HWND list = app.control(id::kListView2);
    clickListRow(list, 3, 3);
    ASSERT_TRUE(waitUntil([&] { return listSelected(list) == 3; }));
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "OftenIndex") == std::string("4"); }))
        << regQuery(kSettingsKey, "OftenIndex").value_or("(none)");
}

TEST_F(Scheduler, TheChoiceAndTheOnStateAreRestoredAtTheNextStart)
{
    writeKeysAndSelectTarget(L"r");
    chooseOption(3);
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "StartStopState") == std::string("On"); }));
    app.close();
    Marrowind again(false);
    EXPECT_EQ(listSelected(again.control(id::kListView2)), 2);
    EXPECT_EQ(text(again.control(id::kPushButton4)), L"Turn Off");
    EXPECT_TRUE(waitUntil([&] { return again.status() == L"On. Next type will occur in 00:00:09"; }, 5s))
        << narrow(again.status());
    again.press(id::kPushButton4);
}

}  // namespace
}  // namespace e2e
