// The Options dialog, end to end: opened from the tray menu and from the
// window's system menu, driven by the keyboard alone, the hotkey pressed into
// its field.
#include <gtest/gtest.h>

#include "driver.h"  // before commctrl.h, which needs windows.h

#include <commctrl.h>
#include "main_window/form1_layout.h"
#include "main_window/options_layout.h"

namespace e2e {
namespace {

namespace id = mw::options_id;

HWND waitForOptions(Marrowind& app)
{
    HWND dialog = nullptr;
    waitUntil([&] { return (dialog = findWindow(app.process().id(), L"Options")) != nullptr; });
    return dialog;
}

// Alt+Space in the main window, then "Options…", the line above the last.
HWND openFromSystemMenu(Marrowind& app)
{
    bringToFront(app.window());
    pressKey(VK_SPACE, true);
    if (!waitForWindowOfClass(app.process().id(), L"#32768", 5s)) return nullptr;
    pressKey(VK_UP);
    pressKey(VK_UP);
    pressKey(VK_RETURN);
    return waitForOptions(app);
}

std::optional<std::string> stored(const char* setting) { return regQuery(kSettingsKey, setting); }

// What the hotkey control holds: the key in the low byte, HOTKEYF_* above it.
WORD hotkeyIn(HWND dialog)
{
    return static_cast<WORD>(SendMessageW(GetDlgItem(dialog, id::kHotkey), HKM_GETHOTKEY, 0, 0));
}
constexpr BYTE kCtrlAlt = HOTKEYF_CONTROL | HOTKEYF_ALT;

TEST(Options, FromTheTrayMenuTheKeyboardAloneStoresWhatItShows)
{
    Marrowind app;
    ASSERT_NE(app.openTrayMenu(), nullptr);
    chooseFromMenu(5);  // Options…, past the Sequences submenu, the separator and Sequences…
    const HWND dialog = waitForOptions(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app.window())) << "modal";
    ASSERT_TRUE(waitUntil([&] { return focusOf(dialog) == GetDlgItem(dialog, id::kHotkey); }));
    // The settings as they stand, none written yet: the default hotkey and
    // the program's behaviour without the options.
    EXPECT_EQ(hotkeyIn(dialog), MAKEWORD(VK_F11, kCtrlAlt));
    for (const int field : id::kNumberFields) EXPECT_EQ(text(GetDlgItem(dialog, field)), L"0");

    pressChord({VK_CONTROL, VK_MENU, VK_F12});  // into the hotkey field
    ASSERT_TRUE(waitUntil([&] { return hotkeyIn(dialog) == MAKEWORD(VK_F12, kCtrlAlt); }));
    pressKey('J', true);  // the Jitter field by its label's access key, leaving the hotkey as it is
    typeUnicode(L"5");
    pressKey(VK_TAB);  // the next field, Stop after turns
    typeUnicode(L"3");
    pressKey('O', true);  // Hold each key
    typeUnicode(L"40");
    pressKey('G', true);  // Give the focus back: ticked
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));

    EXPECT_EQ(stored("Hotkey"), std::string("^%{F12}"));
    EXPECT_EQ(stored("Jitter"), std::string("5"));
    EXPECT_EQ(stored("StopAfterTurns"), std::string("3"));
    EXPECT_EQ(stored("KeyHold"), std::string("40"));
    EXPECT_EQ(stored("GiveFocusBack"), std::string("On"));
    for (const char* untouched : {"StopAfterMinutes", "KeyDelay", "WaitForIdle", "BackgroundTyping"})
        EXPECT_EQ(stored(untouched), std::nullopt) << untouched << " stays absent, following the default";

    // The new hotkey works at once.
    pressChord({VK_CONTROL, VK_MENU, VK_F12});
    EXPECT_TRUE(waitUntil([&] { return text(app.control(mw::form1_id::kPushButton4)) == L"Turn Off"; }));
}

TEST(Options, FromTheSystemMenuCancelStoresNothingAndAValueOutOfRangeIsRefused)
{
    Marrowind app;
    HWND dialog = openFromSystemMenu(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(waitUntil([&] { return focusOf(dialog) == GetDlgItem(dialog, id::kHotkey); }));
    pressKey(VK_BACK);  // empties the field: no hotkey
    ASSERT_TRUE(waitUntil([&] { return hotkeyIn(dialog) == 0; }));
    // The program's own hotkey, pressed there, goes into the field.
    pressChord({VK_CONTROL, VK_MENU, VK_F11});
    ASSERT_TRUE(waitUntil([&] { return hotkeyIn(dialog) == MAKEWORD(VK_F11, kCtrlAlt); }));
    pressKey('D', true);  // Delay between keys
    typeUnicode(L"20");
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(stored("Hotkey"), std::nullopt);
    EXPECT_EQ(stored("KeyDelay"), std::nullopt);

    dialog = openFromSystemMenu(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(hotkeyIn(dialog), MAKEWORD(VK_F11, kCtrlAlt)) << "Cancel kept nothing";
    const HWND jitter = GetDlgItem(dialog, id::kNumberFields[0]);
    pressKey('J', true);
    typeUnicode(L"3601");
    pressKey(VK_RETURN);
    const HWND box = waitForWindowOfClass(app.process().id(), L"#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), L"Jitter must be a whole number of seconds from 0 to 3600.");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(waitUntil([&] { return focusOf(dialog) == jitter; })) << "open, on the field to correct";
    EXPECT_EQ(stored("Jitter"), std::nullopt);

    typeUnicode(L"60");  // over the refused value
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(stored("Jitter"), std::string("60"));
}

TEST(Options, AShortcutProgramsUseIsStoredOnlyWhenTheUserSaysYes)
{
    Marrowind app;
    const HWND dialog = openFromSystemMenu(app);
    ASSERT_NE(dialog, nullptr);
    const HWND field = GetDlgItem(dialog, id::kHotkey);
    ASSERT_TRUE(waitUntil([&] { return focusOf(dialog) == field; }));
    pressChord({VK_CONTROL, 'V'});
    ASSERT_TRUE(waitUntil([&] { return hotkeyIn(dialog) == MAKEWORD('V', HOTKEYF_CONTROL); }));
    const auto answer = [&](WORD key) {
        pressKey(VK_RETURN);  // OK
        const HWND box = waitForWindowOfClass(app.process().id(), L"#32770");
        if (!box) return false;
        EXPECT_EQ(messageBoxText(box), L"Ctrl+V is a shortcut most programs use; while Marrowind holds it, pressing "
                                       L"it turns typing on or off instead. Use it anyway?");
        pressKey(key);
        return waitUntil([&] { return !IsWindow(box); });
    };
    ASSERT_TRUE(answer('N'));
    EXPECT_TRUE(waitUntil([&] { return focusOf(dialog) == field; })) << "open, on the hotkey field";
    EXPECT_EQ(stored("Hotkey"), std::nullopt);
    ASSERT_TRUE(answer('Y'));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(stored("Hotkey"), std::string("^v"));
}

}  // namespace
}  // namespace e2e
