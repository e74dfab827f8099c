// Staying in control: the chosen window over rebuilds, the hotkey setting and
// the tray menu.
#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "shell/product.h"
#include "typing/hotkey.h"
#include "typing/key_notation.h"
#include "typing/key_table.h"
#include "typing/key_translation.h"
#include "typing/typing_engine.h"

namespace mw {
namespace {

using Call = sim::SimWindowSystem::Call;

class ControlTest : public ::testing::Test, public test::Form1Fixture {
protected:
    void load(const char* often = "1")
    {
        sim.settings.values[setting::kTextbox] = "k";
        sim.settings.values[setting::kOftenIndex] = often;
        form1->Form_Load();
    }
    std::vector<WindowHandle> targetsTyped() const
    {
        std::vector<WindowHandle> out;
        for (const auto& batch : sim.keys.batches) out.push_back(batch.target);
        return out;
    }
};

TEST_F(ControlTest, AutomaticTypingKeepsToTheChosenWindowAndNeverMovesOn)
{
    const WindowHandle onTop = sim.windows.add("Always on top");
    const WindowHandle chosen = sim.windows.add("Chosen");
    const WindowHandle other = sim.windows.add("Other");
    // Released after its turn, the target lands below the always-on-top
    // window, which the rebuilt list then shows first.
    sim.windows.onCall = [&](const Call& call) {
        if (call.kind == Call::Release) sim.windows.bringToTop(onTop);
    };
    load();
    sim.ListView1.clickRow(2);
    sim.PushButton4.click();
    sim.PushButton1.click();  // a refresh before the first turn puts the other window first
    sim.Timer1.tick();
    sim.Timer1.tick();
    EXPECT_EQ(targetsTyped(), (std::vector<WindowHandle>{chosen, chosen}));
    EXPECT_EQ(sim.ListView1.selectedText(), "Chosen") << "selected again after the rebuild";

    sim.windows.destroy(chosen);
    sim.Timer1.tick();
    sim.Timer1.tick();
    EXPECT_EQ(sim.keys.batches.size(), 2u) << "nothing typed anywhere";
    EXPECT_EQ(sim.Frame2.caption(), kChosenWindowClosedText);

    sim.PushButton1.click();
    sim.ListView1.clickRow(form1->targets().rowOf(other));
    sim.Timer1.tick();
    EXPECT_EQ(targetsTyped().back(), other) << "a click on another row resumes there";
}

TEST_F(ControlTest, WithNoRowChosenSinceTurningOnTheFirstTurnsWindowIsKept)
{
    const WindowHandle first = sim.windows.add("First");
    const WindowHandle second = sim.windows.add("Second");
    sim.settings.values[setting::kStartStopState] = "On";
    load();
    sim.Timer1.tick();
    sim.windows.bringToTop(second);  // the user's work raises another window
    sim.PushButton1.click();
    EXPECT_EQ(sim.ListView1.selectedText(), "First");
    sim.Timer1.tick();
    EXPECT_EQ(targetsTyped(), (std::vector<WindowHandle>{first, first}));
}

TEST(HotkeySetting, OneKeyWithCtrlOrAltAndNothingElse)
{
    struct Case {
        const char* written;
        const char* shown;  // empty: not a hotkey
    };
    const Case cases[] = {
        {"^%{F11}", "Ctrl+Alt+F11"}, {"%^{f11}", "Ctrl+Alt+F11"}, {"+^k", "Ctrl+Shift+K"},
        {"%{HOME}", "Alt+Home"},     {"^%1", "Ctrl+Alt+1"},       {"^(%{PGDN})", "Ctrl+Alt+Page Down"},
        {"", ""},                    {"{F11}", ""},               {"+a", ""},
        {"^%ab", ""},                {"^%", ""},                  {"^%\xC3\xA9", ""},
        {"^{F11 2}", ""},            {"^{", ""},
    };
    for (const Case& c : cases) {
        const auto combination = parseHotkey(c.written);
        EXPECT_EQ(combination ? hotkeyText(*combination) : "", c.shown) << c.written;
    }
}

TEST(HotkeySetting, WrittenInTheNotationItReadsBackAsTheSameCombination)
{
    using C = HotkeyCombination;
    struct Case {
        C combination;  // {control, alt, shift, key}
        const char* written;  // nullptr: the notation has no hotkey for it
    };
    const Case cases[] = {
        {{true, true, false, 0x7B}, "^%{F12}"},      {{true, false, true, 'K'}, "+^k"},
        {{false, true, false, '0'}, "%0"},           {{true, true, true, 0x2E}, "+^%{DELETE}"},
        {{true, false, false, 0x08}, "^{BACKSPACE}"}, {{true, false, false, 0x6B}, "^{ADD}"},
        {{false, false, true, 'K'}, nullptr},        {{false, false, false, 0x7A}, nullptr},
        {{true, true, false, 0x20}, nullptr},        {{true, false, false, 0xBA}, nullptr},  // Space, ";"
        {{true, true, false, 0x80}, nullptr},        {{true, false, true, 0x10}, nullptr},   // F17, Shift
    };
    for (const Case& c : cases) {
        const std::optional<std::string> written = hotkeyNotation(c.combination);
        EXPECT_EQ(written.value_or("none"), c.written ? c.written : "none");
        if (written) {
            EXPECT_EQ(parseHotkey(*written), c.combination) << *written;
        }
    }
    // Every key of the table that is no modifier, and the letters and digits.
    for (const SpecialKey& key : kSpecialKeys) {
        if (key.modifierCode) continue;
        const C combination{false, true, false, key.virtualKey};
        EXPECT_EQ(parseHotkey(*hotkeyNotation(combination)), combination) << key.codes[0];
    }
    for (const char key : std::string("AZ09"))
        EXPECT_EQ(parseHotkey(*hotkeyNotation({true, false, false, static_cast<std::uint16_t>(key)})),
                  (C{true, false, false, static_cast<std::uint16_t>(key)}));
}

TEST(HotkeySetting, CommonShortcutsAreCtrlLettersProgramsUseAltF4AltTabAndF1)
{
    for (const char* common : {"^a", "^c", "^v", "^x", "^z", "^y", "^s", "^p", "^f", "^n", "^o", "^w", "^t", "+^v",
                               "+^t", "%{F4}", "%{TAB}"})
        EXPECT_TRUE(isCommonShortcut(*parseHotkey(common))) << common;
    EXPECT_TRUE(isCommonShortcut({false, false, false, 0x70})) << "F1 alone";
    for (const char* other : {"^b", "^%v", "%v", "^{F4}", "^%{F11}", "^1"})
        EXPECT_FALSE(isCommonShortcut(*parseHotkey(other))) << other;
    EXPECT_FALSE(isCommonShortcut({false, false, true, 0x70})) << "Shift+F1";
}

TEST(HotkeySetting, TheProgramsOwnKeysPressItAsTheTargetsLayoutMakesThem)
{
    // A layout with AltGr, where "@" is Ctrl+Alt+Q, as on a German keyboard.
    sim::SimKeyboardLayout layout;
    layout.extraKeys['@'] = {'Q', 6};
    const auto presses = [&](const char* keys, const char* hotkey) {
        KeyTranslator translator(layout, false);
        return pressesHotkey(translator.translate(parseKeyString(keys)), *parseHotkey(hotkey));
    };
    EXPECT_TRUE(presses("a^%{F11}b", kDefaultHotkey));
    EXPECT_TRUE(presses("^(%{F11})", kDefaultHotkey));
    EXPECT_FALSE(presses("^{F11}%{F11}{F11}", kDefaultHotkey));
    EXPECT_TRUE(presses("me@example.com", "^%q"));
    EXPECT_FALSE(presses("me@example.com", "^%w"));
}

TEST_F(ControlTest, TheHotkeyDoesWhatTheButtonDoesAndABadSettingIsSaidOnce)
{
    load("5");  // "every x seconds": turning on asks
    ASSERT_EQ(sim.hotkey.claimed(), parseHotkey(kDefaultHotkey));
    sim.dialogs.answers = {"3"};
    sim.dialogs.whileInputOpen = [&] { sim.hotkey.press(); };  // ignored while the prompt waits
    sim.hotkey.press();
    EXPECT_EQ(sim.PushButton4.caption(), "Turn Off");
    EXPECT_EQ(sim.Timer1.interval(), 1000);
    EXPECT_EQ(sim.settings.values[setting::kStartStopState], "On");
    sim.hotkey.press();
    EXPECT_EQ(sim.PushButton4.caption(), "Turn On");
    EXPECT_EQ(sim.settings.values[setting::kStartStopState], "Off");

    for (const char* written : {"", "nonsense"}) {
        test::Form1Fixture again;
        again.sim.settings.values[setting::kHotkey] = written;
        again.form1->Form_Load();
        EXPECT_EQ(again.sim.hotkey.claimed().has_value(), *written != '\0') << written;
        EXPECT_EQ(again.sim.dialogs.warnings.size(), *written != '\0' ? 1u : 0u) << written;
    }
}

TEST_F(ControlTest, ATurnNeverPressesTheHotkeyAndAPressBetweenBatchesEndsIt)
{
    sim.windows.add("Target");
    load();
    // Held back while the batch that presses it goes in, claimed again only
    // once the target has taken that batch.
    std::vector<std::string> order;
    sim.keys.onSend = [&] { order.push_back(sim.hotkey.suspended ? "send held" : "send"); };
    sim.keys.onWait = [&] { order.push_back(sim.hotkey.suspended ? "wait held" : "wait"); };
    sim.Text2.setText("a^%{F11}b");
    sim.PushButton2.click();
    EXPECT_EQ(order, (std::vector<std::string>{"send held", "wait held"}));
    EXPECT_FALSE(sim.hotkey.suspended);

    // Pressed while the first batch of a long text goes in.
    sim.keys.onWait = nullptr;
    sim.keys.onSend = [&] { sim.hotkey.press(); };
    sim.Text2.setText(std::string(3000, 'x'));
    for (const bool on : {true, false}) {
        if (on) sim.PushButton4.click();
        sim.keys.batches.clear();
        sim.PushButton2.click();
        EXPECT_EQ(sim.keys.batches.size(), 1u) << "no batch after the press";
        EXPECT_EQ(sim.PushButton4.caption(), "Turn On") << "automatic typing off, never turned on";
        EXPECT_EQ(sim.Frame2.caption(), on ? "Off." : kStoppedByHotkeyText);
    }
}

TEST_F(ControlTest, TheTrayMenuShowsTurnsTypesAndExits)
{
    sim.windows.add("Target");
    sim.hotkey.heldElsewhere = true;
    load();
    sim.tray.menuChoice = 1;
    sim.tray.deliver(TrayEvent::MenuRequested);
    ASSERT_EQ(sim.tray.menus.size(), 1u);
    std::vector<std::string> texts;
    for (const TrayMenuItem& item : sim.tray.menus[0]) texts.push_back(item.separator ? "-" : item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Show", "Turn On", "Type Now (Test)", "Sequences", "-",
                                               "Sequences\xE2\x80\xA6", "Options\xE2\x80\xA6", "Exit",
                                               "Hotkey Ctrl+Alt+F11 is in use by another program"}));
    EXPECT_EQ(sim.PushButton4.caption(), "Turn Off");

    sim.hotkey.heldElsewhere = false;
    test::Form1Fixture plain;
    plain.sim.windows.add("Target");
    plain.form1->Form_Load();
    plain.sim.tray.menuChoice = 2;
    plain.sim.tray.deliver(TrayEvent::MenuRequested);
    EXPECT_EQ(plain.sim.tray.menus[0][1].text, "Turn On\tCtrl+Alt+F11");
    EXPECT_EQ(plain.sim.keys.batches.size(), 1u) << "Type Now";
    plain.sim.tray.menuChoice = 8;  // past the submenu's one line and the separator
    plain.sim.tray.deliver(TrayEvent::MenuRequested);
    EXPECT_EQ(plain.sim.form.closeRequests, 1) << "Exit closes the window as its close box does";
}

}  // namespace
}  // namespace mw
