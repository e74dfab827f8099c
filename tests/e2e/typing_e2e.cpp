// "Type Now (Test)" into the recorder target, end to end.
#include <algorithm>
#include <vector>
#include <gtest/gtest.h>

#include "driver.h"  // before commctrl.h, which needs windows.h
#include "main_window/form1_layout.h"

#include <commctrl.h>

namespace e2e {
namespace {

namespace id = mw::form1_id;

// The key downs a target saw, as "KEYDOWN:65" and "SYSKEYDOWN:18".
std::vector<std::string> keyDowns(const std::vector<KeyMessage>& messages)
{
    std::vector<std::string> out;
    for (const KeyMessage& m : messages)
        if (m.kind == "KEYDOWN" || m.kind == "SYSKEYDOWN") out.push_back(m.kind + ":" + std::to_string(m.wParam));
    return out;
}

std::vector<std::string> characters(const std::vector<KeyMessage>& messages)
{
    std::vector<std::string> out;
    for (const KeyMessage& m : messages)
        if (m.kind == "CHAR" || m.kind == "SYSCHAR") out.push_back(m.kind + ":" + std::to_string(m.wParam));
    return out;
}

bool startsWith(const std::wstring& text, const std::wstring& prefix) { return text.rfind(prefix, 0) == 0; }

class Typing : public ::testing::Test {
protected:
    // Types keys with Type Now and waits for the turn to finish and for the
    // target to have received `expectedCharacters` characters.
    std::vector<KeyMessage> typeNow(const std::wstring& keys, std::size_t expectedCharacters)
    {
        app.selectTarget("Marrowind Test Target");
        app.writeKeys(keys);
        const std::size_t before = target.messages().size();
        app.press(id::kPushButton2);
        EXPECT_TRUE(waitUntil([&] { return startsWith(app.status(), L"Auto Type Complete at "); }));
        std::vector<KeyMessage> received;
        EXPECT_TRUE(waitUntil([&] {
            const auto all = target.messages();
            received.assign(all.begin() + static_cast<long>(before), all.end());
            return characters(received).size() >= expectedCharacters;
        })) << narrow(keys);
        return received;
    }

    Target target{L"Marrowind Test Target"};
    Marrowind app;
};

TEST_F(Typing, PlainTextAndEnterArriveInOrder)
{
    const auto received = typeNow(L"abc{ENTER}", 4);
    EXPECT_EQ(characters(received), (std::vector<std::string>{"CHAR:97", "CHAR:98", "CHAR:99", "CHAR:13"}));
    EXPECT_EQ(keyDowns(received), (std::vector<std::string>{"KEYDOWN:65", "KEYDOWN:66", "KEYDOWN:67", "KEYDOWN:13"}));
    EXPECT_TRUE(startsWith(app.status(), L"Auto Type Complete at "));
}

TEST_F(Typing, ModifierPrefixesAndModifierCodesGiveTheSameCombinations)
{
    // Shift+A gives "A", Ctrl+C gives character 3, Alt+F goes as system keys.
    const std::vector<std::string> expectedDowns{"KEYDOWN:16", "KEYDOWN:65", "KEYDOWN:17", "KEYDOWN:67",
                                                 "SYSKEYDOWN:18", "SYSKEYDOWN:70"};
    const std::vector<std::string> expectedChars{"CHAR:65", "CHAR:3", "SYSCHAR:102"};
    auto prefixes = typeNow(L"+a^c%f", 3);
    EXPECT_EQ(keyDowns(prefixes), expectedDowns);
    EXPECT_EQ(characters(prefixes), expectedChars);
    auto codes = typeNow(L"{SHIFT}a{CTRL}c{ALT}f", 3);
    EXPECT_EQ(keyDowns(codes), expectedDowns);
    EXPECT_EQ(characters(codes), expectedChars);
}

TEST_F(Typing, FunctionKeysRepeatsAndUnicodeText)
{
    auto f5 = typeNow(L"{F5}x", 1);
    EXPECT_EQ(keyDowns(f5), (std::vector<std::string>{"KEYDOWN:116", "KEYDOWN:88"}));
    auto tabs = typeNow(L"{TAB 3}", 3);
    EXPECT_EQ(characters(tabs), (std::vector<std::string>{"CHAR:9", "CHAR:9", "CHAR:9"}));
    auto unicode = typeNow(L"\u00C4\u00D6\u20AC", 3);
    EXPECT_EQ(characters(unicode), (std::vector<std::string>{"CHAR:196", "CHAR:214", "CHAR:8364"}));
}

TEST_F(Typing, AMaximisedTargetStaysMaximisedAndComesBackSoWhenMinimised)
{
    const HWND window = target.window();
    ShowWindowAsync(window, SW_MAXIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(window) != FALSE; }));
    // The turn's show request goes to the target before the keys do, so it
    // has been handled once the keys are in.
    EXPECT_EQ(characters(typeNow(L"max", 3)).size(), 3u);
    EXPECT_TRUE(IsZoomed(window));
    ShowWindowAsync(window, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(window) != FALSE; }));
    EXPECT_EQ(characters(typeNow(L"min", 3)).size(), 3u);
    EXPECT_TRUE(IsZoomed(window)) << "brought back as it was before";
}

// Caps Lock stays as the test found it off: each case ends by switching it off.
class CapsLockTyping : public Typing {
protected:
    void TearDown() override { setCapsLock(false, target.window()); }
    // The character a bare A key gives in the target now.
    std::string bareA()
    {
        const std::size_t before = target.typed().size();
        bringToFront(target.window());
        pressKey('A');
        EXPECT_TRUE(waitUntil([&] { return target.typed().size() > before; }));
        return target.typed().substr(before);
    }
    std::string typed(const std::vector<KeyMessage>& messages)
    {
        std::string out;
        for (const KeyMessage& m : messages)
            if (m.kind == "CHAR") out += m.character;
        return out;
    }
};

TEST_F(CapsLockTyping, TextArrivesAsWrittenWithTheLockOnOrOffAndTheLockStaysAsItWas)
{
    for (bool on : {true, false}) {
        setCapsLock(on, target.window());
        EXPECT_EQ(typed(typeNow(L"Hello World 42 +x", 16)), "Hello World 42 X") << "Caps Lock " << on;
        EXPECT_EQ(capsLockOn(), on);
        EXPECT_EQ(bareA(), on ? "A" : "a");
    }
}

TEST_F(CapsLockTyping, CapsLockInTheKeyTextLeavesTheLockAsTheTextSays)
{
    for (bool on : {false, true}) {
        setCapsLock(on, target.window());
        EXPECT_EQ(typed(typeNow(L"ab{CAPSLOCK}cD", 4)), "abcD") << "Caps Lock " << on;
        EXPECT_EQ(capsLockOn(), !on);
        EXPECT_EQ(bareA(), on ? "a" : "A");
    }
}

TEST_F(Typing, ATextThatDoesNotParseOrIsEmptyRaisesNothingAndSaysWhy)
{
    app.selectTarget("Marrowind Test Target");
    const struct {
        const wchar_t* keys;
        const wchar_t* status;
    } cases[] = {{L"Hello {FOO} world", L"Nothing typed: Unknown key code {FOO} at position 7."},
                 {L"", L"Nothing typed: the key text is empty."}};
    for (const auto& c : cases) {
        app.setKeys(c.keys);
        bringToFront(app.window());
        app.press(id::kPushButton2);
        EXPECT_TRUE(waitUntil([&] { return app.status() == c.status; })) << narrow(app.status());
        EXPECT_EQ(app.errorDialog(), nullptr);
        EXPECT_EQ(GetForegroundWindow(), app.window()) << "the target was not raised";
    }
    EXPECT_TRUE(characters(target.messages()).empty());
}

TEST_F(Typing, ALongTurnCountsItsKeysOnTheStatusLineAndTheBar)
{
    app.selectTarget("Marrowind Test Target");
    app.setKeys(std::wstring(20000, L'q'));
    app.press(id::kPushButton2);
    const HWND bar = app.control(id::kProgressBar1);
    std::vector<std::wstring> counts;
    int barMax = 0;
    ASSERT_TRUE(waitUntil([&] {
        const std::wstring status = app.status();
        if (startsWith(status, L"Typing\u2026 ") && (counts.empty() || counts.back() != status)) counts.push_back(status);
        barMax = std::max(barMax, static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)));
        return startsWith(status, L"Auto Type Complete at ");
    }, 60s));
    // The turn is over once its keys are handed over; the target takes the last of them after.
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() >= 20000; }, 30s)) << target.typed().size();
    EXPECT_TRUE(target.typed() == std::string(20000, 'q')) << "all of them, nothing else";
    ASSERT_GE(counts.size(), 2u) << "the count rises while it types";
    EXPECT_NE(counts.back().find(L" of 20,000"), std::wstring::npos) << narrow(counts.back());
    EXPECT_GT(barMax, 0);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0) << "the bar as Type Now leaves it";
}

TEST(TypingConsole, AConsoleWindowReceivesALongTextWholeAndInOrder)
{
    Target console(L"Marrowind Console Target", L"", Target::Kind::Console);
    Marrowind app;
    app.selectTarget("Marrowind Console Target");
    std::wstring keys;
    std::string expected;
    const std::string words = "Quick Brown 7 fox; JUMPS over 0 lazy dogs? ";
    for (std::size_t i = 0; i < 3000; ++i) {
        const bool lineEnd = i % 70 == 69;
        keys += lineEnd ? L"\r\n" : std::wstring(1, static_cast<wchar_t>(words[i % words.size()]));
        expected += lineEnd ? '\r' : words[i % words.size()];
    }
    app.setKeys(keys);
    app.press(id::kPushButton2);
    EXPECT_TRUE(waitUntil([&] { return console.typed().size() >= expected.size(); }, 60s));
    EXPECT_EQ(console.typed(), expected);
    EXPECT_TRUE(startsWith(app.status(), L"Auto Type Complete at ")) << narrow(app.status());
}

TEST(TypingSafety, AHungTargetGetsNothingMoreAndTheStatusSaysSo)
{
    Target hung(L"Marrowind Hung Target", L"--hang-after 100");
    Marrowind app;
    app.selectTarget("Marrowind Hung Target");
    app.setKeys(std::wstring(3000, L'h'));  // six batches
    app.press(id::kPushButton2);
    EXPECT_TRUE(waitUntil([&] {
        return app.status() == L"Typing stopped: the target window is not responding, so the rest of the keys were "
                               L"not sent.";
    }, 30s)) << narrow(app.status());
    EXPECT_EQ(hung.typed().size(), 100u);
    EXPECT_EQ(app.errorDialog(), nullptr);
}

TEST(TypingSafety, ATargetThatHangsBetweenTurnsNeverHoldsUpTheProgram)
{
    // Before the system calls it hung (five seconds), a window that stopped
    // answering would hold any call that waits for it.
    Target hung(L"Marrowind Hung Target", L"--hang-idle-after 3");
    Marrowind app;
    app.selectTarget("Marrowind Hung Target");
    app.setKeys(L"abc");
    app.chooseInterval(1);  // every second
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return startsWith(app.status(), L"Auto Type Complete at "); }));
    EXPECT_TRUE(waitUntil([&] {
        return app.status() == L"Nothing typed: the target window could not be brought to the front.";
    }, 10s)) << narrow(app.status());
    EXPECT_EQ(hung.typed(), "abc");
}

// Whether the text is the key text over and over, cut anywhere.
bool repeats(const std::string& text, const std::string& keys)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != keys[i % keys.size()]) return false;
    return true;
}

TEST(TypingSafety, AModifierHeldWhileTurnsAreDueNeverChangesTheTextAndTurnsGoOnOnceItIsLetGo)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    app.selectTarget("Marrowind Test Target");
    app.writeKeys(L"abc");
    app.chooseInterval(1);  // every second
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return target.typed().size() >= 3; }));
    // Held as the user holds it in the middle of Ctrl+C, from another program.
    holdKey(VK_CONTROL, true);
    const bool waiting = waitUntil([&] { return app.status() == L"Waiting for the keyboard\u2026"; }, 5s);
    const std::size_t before = target.typed().size();
    holdKey(VK_CONTROL, false);
    EXPECT_TRUE(waiting) << narrow(app.status());
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() >= before + 6; })) << "turns go on once it is let go";
    app.press(id::kPushButton4);
    EXPECT_TRUE(repeats(target.typed(), "abc")) << target.typed();
}

TEST(TypingSafety, AKeyPressedDuringALongTurnEndsIt)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    app.selectTarget("Marrowind Test Target");
    app.setKeys(std::wstring(20000, L'k'));
    app.press(id::kPushButton2);
    ASSERT_TRUE(waitUntil([&] { return !target.typed().empty(); }));
    pressKey(VK_F7);  // a key that types nothing
    EXPECT_TRUE(waitUntil([&] {
        return app.status() == L"Typing stopped: a key was pressed while the program typed, so the rest of the keys "
                               L"were not sent.";
    }, 30s)) << narrow(app.status());
    EXPECT_LT(target.typed().size(), 20000u);
}

TEST(TypingSafety, NothingIsTypedAnywhereWhenTheTargetClosedAfterTheListWasFilled)
{
    Target doomed(L"Marrowind Closing Target");
    Target bystander(L"Marrowind Bystander");
    Marrowind app;
    app.selectTarget("Marrowind Closing Target");
    app.writeKeys(L"secret");
    doomed.close();
    bringToFront(bystander.window());
    app.press(id::kPushButton2);
    EXPECT_TRUE(waitUntil([&] {
        return app.status() == L"Nothing typed: the target window could not be brought to the front.";
    })) << narrow(app.status());
    EXPECT_TRUE(characters(bystander.messages()).empty());
    EXPECT_EQ(app.errorDialog(), nullptr);
}

}  // namespace
}  // namespace e2e
