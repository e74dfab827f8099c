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
    explicit OptionsWindow(std::map<std::string, std::string> stored = {}) : services(platform.services())
    {
        platform.settings.values = std::move(stored);
        dialog.emplace(controls(), services);
        dialog->Form_Load();
    }
    OptionsDialogControls controls()
    {
        return {form, hotkey, {&numbers[0], &numbers[1], &numbers[2], &numbers[3], &numbers[4], &numbers[5]},
                {&switches[0], &switches[1]}, ok, cancel};
    }
    // A number field by its option's setting.
    sim::SimTextBox& field(const std::string& setting)
    {
        for (std::size_t i = 0; i < kNumberOptions.size(); ++i)
            if (kNumberOptions[i].setting == setting) return numbers[i];
        throw std::invalid_argument(setting);
    }
    sim::SimPlatform platform;
    Services services;
    sim::SimForm form{0x40040};
    sim::SimHotkeyBox hotkey;
    std::array<sim::SimTextBox, kNumberOptions.size()> numbers;
    std::array<sim::SimCheckBox, kSwitchOptions.size()> switches;  // GiveFocusBack, BackgroundTyping
    sim::SimButton ok, cancel;
    std::optional<OptionsDialog> dialog;
};

TEST(OptionsDialog, ShowsTheSettingsAsTheProgramUsesThemWithTheFocusOnTheHotkey)
{
    const OptionsWindow fresh;
    EXPECT_EQ(fresh.hotkey.combination(), parseHotkey(kDefaultHotkey));
    for (const auto& number : fresh.numbers) EXPECT_EQ(number.text(), "0");
    EXPECT_EQ(fresh.hotkey.focusRequests, 1);
    EXPECT_EQ(fresh.form.backColor(), kButtonFace);
    // Stored values the program cannot use show what it uses instead.
    for (const auto& [hotkey, shown] : {std::pair{"", ""}, {"+^k", "+^k"}, {"nonsense", kDefaultHotkey}}) {
        OptionsWindow options({{setting::kHotkey, hotkey}, {"Jitter", "12"}, {"KeyDelay", "10001"},
                               {"GiveFocusBack", "On"}, {"BackgroundTyping", "on"}});
        EXPECT_EQ(options.hotkey.combination(), parseHotkey(shown)) << hotkey;
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
    EXPECT_TRUE(options.dialog->stored());
    EXPECT_EQ(options.form.closeRequests, 1);

    OptionsWindow untouched;
    untouched.ok.click();
    EXPECT_TRUE(untouched.platform.settings.writes.empty()) << "every option stays absent";

    OptionsWindow cancelled;
    cancelled.hotkey.press(parseHotkey("^%k"));
    cancelled.field("KeyDelay").setText("20");
    cancelled.cancel.click();
    EXPECT_TRUE(cancelled.platform.settings.writes.empty());
    EXPECT_FALSE(cancelled.dialog->stored());
    EXPECT_EQ(cancelled.form.closeRequests, 1);
}

TEST(OptionsDialog, TheFirstUnusableFieldIsNamedWithItsRangeAndGetsTheFocusAndNothingIsStored)
{
    struct Case {
        const char* field;  // "Hotkey": Ctrl+Alt+Space, which the key notation cannot write
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"Hotkey", "", kHotkeyFieldMessage},
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
        // A later field is wrong too, and the hotkey is one programs use: the
        // first wrong field is the one named, and nothing is asked.
        options.field("WaitForIdle").setText("601");
        const bool hotkey = std::string(c.field) == "Hotkey";
        options.hotkey.press(hotkey ? HotkeyCombination{true, true, false, 0x20} : *parseHotkey("^v"));
        if (!hotkey) options.field(c.field).setText(c.text);
        const int focused = hotkey ? options.hotkey.focusRequests : options.field(c.field).focusRequests;
        options.ok.click();
        ASSERT_EQ(options.platform.dialogs.warnings.size(), 1u);
        EXPECT_EQ(options.platform.dialogs.warnings[0].text, c.message);
        EXPECT_EQ(options.platform.dialogs.warnings[0].title, "Options");
        EXPECT_EQ(hotkey ? options.hotkey.focusRequests : options.field(c.field).focusRequests, focused + 1);
        EXPECT_TRUE(options.platform.dialogs.questions.empty());
        EXPECT_TRUE(options.platform.settings.writes.empty());
        EXPECT_EQ(options.form.closeRequests, 0);
    }
}

TEST(OptionsDialog, AHotkeyProgramsCommonlyUseIsAskedAboutBeforeItIsStored)
{
    struct Case {
        const char* stored;   // nullptr: absent
        const char* pressed;  // into the hotkey field; nullptr: left as shown
        bool asked;
        bool yes;
        Writes writes;
    };
    const Case cases[] = {
        {nullptr, "^v", true, false, {}},
        {nullptr, "^v", true, true, {{setting::kHotkey, "^v"}, {"KeyDelay", "20"}}},
        {nullptr, "+^z", true, true, {{setting::kHotkey, "+^z"}, {"KeyDelay", "20"}}},
        {nullptr, "%{F4}", true, false, {}},
        {nullptr, "^%v", false, false, {{setting::kHotkey, "^%v"}, {"KeyDelay", "20"}}},
        {"^V", nullptr, false, false, {{"KeyDelay", "20"}}},  // unchanged: the setting stays as written
        {"^v", "", false, false, {{setting::kHotkey, ""}, {"KeyDelay", "20"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pressed ? c.pressed : "unchanged") + (c.yes ? ", Yes" : ", No"));
        OptionsWindow options(c.stored ? std::map<std::string, std::string>{{setting::kHotkey, c.stored}}
                                       : std::map<std::string, std::string>{});
        if (c.pressed) options.hotkey.press(parseHotkey(c.pressed));
        options.field("KeyDelay").setText("20");
        options.platform.dialogs.questionAnswers = {c.yes};
        const int focused = options.hotkey.focusRequests;
        options.ok.click();
        EXPECT_EQ(options.platform.settings.writes, c.writes);
        ASSERT_EQ(options.platform.dialogs.questions.size(), c.asked ? 1u : 0u);
        const bool stays = c.asked && !c.yes;
        EXPECT_EQ(options.form.closeRequests, stays ? 0 : 1);
        EXPECT_EQ(options.hotkey.focusRequests, focused + (stays ? 1 : 0)) << "back on the hotkey field";
    }
    OptionsWindow options;
    options.hotkey.press(parseHotkey("^v"));
    options.platform.dialogs.questionAnswers = {false};
    options.ok.click();
    ASSERT_EQ(options.platform.dialogs.questions.size(), 1u);
    EXPECT_EQ(options.platform.dialogs.questions[0].text,
              "Ctrl+V is a shortcut most programs use; while Marrowind holds it, pressing it turns typing on or off "
              "instead. Use it anyway?");
    EXPECT_EQ(options.platform.dialogs.questions[0].title, "Options");
}

TEST(OptionsDialog, TheProgramsHotkeyIsLetGoWhileTheHotkeyFieldHasTheFocus)
{
    // Pressed in the field, it is entered there instead of turning typing on.
    OptionsWindow options;
    const sim::SimGlobalHotkey& hotkey = options.platform.hotkey;
    EXPECT_EQ(hotkey.suspended, 1) << "the focus starts in the field";
    options.hotkey.focus(false);
    EXPECT_EQ(hotkey.suspended, 0);
    options.hotkey.focus(true);
    EXPECT_EQ(hotkey.suspended, 1);
    // Gone while the field has the focus, the dialog gives it back; the field
    // that outlives it tells nobody any more.
    options.dialog.reset();
    EXPECT_EQ(hotkey.suspended, 0);
    options.hotkey.focus(false);
    EXPECT_EQ(hotkey.suspended, 0);
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
    f.form1->showHelp = [&](const HotkeyStatus&) { f.form1->OptionsRequested(); };
    sim.PushButton3.click();
    sim.ListView2.clickRow(5);  // every x seconds: turning on asks
    sim.dialogs.answers = {"3"};
    sim.dialogs.whileInputOpen = [&] { f.form1->OptionsRequested(); };
    sim.PushButton4.click();
    EXPECT_EQ(shown, 2);
}

}  // namespace
}  // namespace mw
