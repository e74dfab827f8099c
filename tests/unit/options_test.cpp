// The Options dialog: what it shows, what OK checks and stores, and how the
// main window opens it and applies what it stored.
#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "main_window/options_dialog.h"
#include "shell/product.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

// An Options dialog over simulated controls, loaded from a store that holds
// these values.
struct OptionsWindow {
    explicit OptionsWindow(std::map<std::string, std::string> stored = {})
        : services(platform.services()), dialog(controls(), services)
    {
        platform.settings.values = std::move(stored);
        dialog.Form_Load();
    }
    OptionsDialogControls controls()
    {
        return {form, hotkey, {&numbers[0], &numbers[1], &numbers[2], &numbers[3], &numbers[4], &numbers[5]},
                {&switches[0], &switches[1]}, ok, cancel};
    }
    // A number field by its option's setting; "Hotkey" is the hotkey field.
    sim::SimTextBox& field(const std::string& setting)
    {
        for (std::size_t i = 0; i < kNumberOptions.size(); ++i)
            if (kNumberOptions[i].setting == setting) return numbers[i];
        return hotkey;
    }
    sim::SimPlatform platform;
    Services services;
    sim::SimForm form{0x40040};
    sim::SimTextBox hotkey;
    std::array<sim::SimTextBox, kNumberOptions.size()> numbers;
    std::array<sim::SimCheckBox, kSwitchOptions.size()> switches;  // GiveFocusBack, BackgroundTyping
    sim::SimButton ok, cancel;
    OptionsDialog dialog;
};

TEST(OptionsDialog, ShowsTheSettingsAsTheProgramUsesThemWithTheFocusOnTheHotkey)
{
    const OptionsWindow fresh;
    EXPECT_EQ(fresh.hotkey.text(), kDefaultHotkey);
    for (const auto& number : fresh.numbers) EXPECT_EQ(number.text(), "0");
    EXPECT_EQ(fresh.hotkey.focusRequests, 1);
    EXPECT_EQ(fresh.form.backColor(), kButtonFace);
    // Stored values the program cannot use show what it uses instead.
    for (const auto& [hotkey, shown] : {std::pair{"", ""}, {"+^k", "+^k"}, {"nonsense", kDefaultHotkey}}) {
        OptionsWindow options({{setting::kHotkey, hotkey}, {"Jitter", "12"}, {"KeyDelay", "10001"},
                               {"GiveFocusBack", "On"}, {"BackgroundTyping", "on"}});
        EXPECT_EQ(options.hotkey.text(), shown) << hotkey;
        EXPECT_EQ(options.field("Jitter").text(), "12");
        EXPECT_EQ(options.field("KeyDelay").text(), "0") << "out of range: the default";
        EXPECT_TRUE(options.switches[0].checked());
        EXPECT_FALSE(options.switches[1].checked()) << "only \"On\" is on";
        EXPECT_TRUE(options.platform.settings.writes.empty());
    }
}

TEST(OptionsDialog, OkStoresWhatDiffersFromTheStoreAndCancelStoresNothing)
{
    OptionsWindow options({{setting::kHotkey, "nonsense"}, {"Jitter", "7"}});
    options.field("KeyHold").setText(" 1000 ");
    options.switches[1].click();
    options.ok.click();
    // The hotkey shown replaces the unusable one; the rest stays as stored.
    EXPECT_EQ(options.platform.settings.writes,
              (Writes{{setting::kHotkey, kDefaultHotkey}, {"KeyHold", "1000"}, {"BackgroundTyping", "On"}}));
    EXPECT_TRUE(options.dialog.stored());
    EXPECT_EQ(options.form.closeRequests, 1);

    OptionsWindow untouched;
    untouched.ok.click();
    EXPECT_TRUE(untouched.platform.settings.writes.empty()) << "every option stays absent";

    OptionsWindow cancelled;
    cancelled.hotkey.setText("^%k");
    cancelled.field("KeyDelay").setText("20");
    cancelled.cancel.click();
    EXPECT_TRUE(cancelled.platform.settings.writes.empty());
    EXPECT_FALSE(cancelled.dialog.stored());
    EXPECT_EQ(cancelled.form.closeRequests, 1);
}

TEST(OptionsDialog, TheFirstUnusableFieldIsNamedWithItsRangeAndGetsTheFocusAndNothingIsStored)
{
    struct Case {
        const char* field;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"Hotkey", "{F11}", kHotkeyFieldMessage},
        {"Hotkey", "^%", kHotkeyFieldMessage},
        {"Jitter", "3601", "Jitter must be a whole number of seconds from 0 to 3600."},
        {"StopAfterTurns", "-1", outOfRangeMessage(kNumberOptions[1])},
        {"StopAfterMinutes", "", outOfRangeMessage(kNumberOptions[2])},
        {"KeyDelay", "1.5", outOfRangeMessage(kNumberOptions[3])},
        {"KeyHold", "1001", outOfRangeMessage(kNumberOptions[4])},
        {"WaitForIdle", "ten", "Wait until idle must be a whole number of seconds from 0 to 600."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " \"" + c.text + "\"");
        OptionsWindow options;
        // A later field is wrong too: the first is the one named.
        options.field("WaitForIdle").setText("601");
        options.field(c.field).setText(c.text);
        const int focused = options.field(c.field).focusRequests;
        options.ok.click();
        ASSERT_EQ(options.platform.dialogs.warnings.size(), 1u);
        EXPECT_EQ(options.platform.dialogs.warnings[0].text, c.message);
        EXPECT_EQ(options.platform.dialogs.warnings[0].title, "Options");
        EXPECT_EQ(options.field(c.field).focusRequests, focused + 1);
        EXPECT_TRUE(options.platform.settings.writes.empty());
        EXPECT_EQ(options.form.closeRequests, 0);
    }
}

TEST(MainWindowOptions, WhatOkStoredTakesEffectAtOnceAndOneWindowIsOpenAtATime)
{
    test::Form1Fixture f;
    auto& sim = f.sim;
    sim.settings.values["KeyHold"] = "25";
    f.form1->Form_Load();
    EXPECT_EQ(f.form1->repeatOptions().keyHoldMs, 25) << "read at startup";
    // The user fills the dialog and presses OK; meanwhile a second request
    // does nothing, and the tray menu opens with its Options line disabled.
    int shown = 0;
    std::map<std::string, std::string> typed{{setting::kHotkey, "^%k"}, {"KeyDelay", "20"}};
    f.form1->showOptions = [&] {
        ++shown;
        f.form1->OptionsRequested();
        sim.tray.deliver(TrayEvent::MenuRequested);
        for (const auto& [key, value] : typed) sim.settings.values[key] = value;
        return true;
    };
    sim.tray.menuChoice = 7;  // Options…, past the Sequences submenu and the separator
    sim.tray.deliver(TrayEvent::MenuRequested);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(sim.tray.menus.size(), 2u);
    EXPECT_TRUE(sim.tray.menus[0][6].enabled);
    EXPECT_FALSE(sim.tray.menus[1][6].enabled);
    EXPECT_EQ(sim.hotkey.claimed(), parseHotkey("^%k"));
    EXPECT_EQ(f.form1->repeatOptions().keyDelayMs, 20);

    typed = {{setting::kHotkey, ""}};  // switched off
    f.form1->OptionsRequested();
    EXPECT_EQ(sim.hotkey.claimed(), std::nullopt);
    // Not over Help, nor while the seconds prompt waits for an answer.
    f.form1->showHelp = [&] { f.form1->OptionsRequested(); };
    sim.PushButton3.click();
    sim.ListView2.clickRow(5);  // every x seconds: turning on asks
    sim.dialogs.answers = {"3"};
    sim.dialogs.whileInputOpen = [&] { f.form1->OptionsRequested(); };
    sim.PushButton4.click();
    EXPECT_EQ(shown, 2);
}

}  // namespace
}  // namespace mw
