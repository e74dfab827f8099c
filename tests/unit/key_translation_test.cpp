#include "typing/key_translation.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "sim/services.h"
#include "typing/key_notation.h"
#include "typing/virtual_keys.h"

namespace mw {
namespace {

// Types the key text through the translator into the simulated keyboard, whose
// Caps Lock starts as given. (The fuzzer checks the lock after every batch of
// any key text cut into small batches.)
struct Typed {
    std::string text;
    bool capsLock;
    int capsPresses;
};
Typed type(const std::string& keys, bool capsLock)
{
    sim::SimKeyInjector keyboard;
    keyboard.capsLock = capsLock;
    const auto layout = keyboard.layoutOf(1);
    KeyTranslator translator(*layout, keyboard.capsLockOn());
    int presses = 0;
    for (const auto& batch : splitIntoBatches(parseKeyString(keys), 1000)) {
        const auto inputs = translator.translate(batch);
        for (const KeyInput& input : inputs) presses += input.virtualKey == vk::kCapital && !input.up;
        keyboard.send(inputs, 1);
        EXPECT_EQ(keyboard.capsLock, translator.capsLockOn()) << "after a batch of " << keys;
    }
    return {keyboard.typed(), keyboard.capsLock, presses};
}

TEST(KeyTranslation, CharactersArriveAsWrittenWithCapsLockOnOrOff)
{
    struct Case {
        std::string keys;
        bool capsBefore;
        std::string arrives;
        bool capsAfter;
        int capsPresses;
    };
    const Case cases[] = {
        {"Hello World 42 +x", false, "Hello World 42 X", false, 0},
        {"Hello World 42 +x", true, "Hello World 42 X", true, 2},
        {"+(ab)!~", true, "AB!\r", true, 2},
        {"{F5}{ENTER}", true, "\r", true, 0},                  // no character key: the lock is left alone
        {"\xE2\x82\xAC", true, "\xE2\x82\xAC", true, 0},       // no key on the layout: goes as itself
        {"ab{CAPSLOCK}cd", false, "abcd", true, 3},             // the text's own press decides the state left
        {"ab{CAPSLOCK}cd", true, "abcd", false, 3},
        {"{CAPSLOCK}{CAPSLOCK}x", true, "x", true, 4},
    };
    for (const Case& c : cases) {
        const Typed typed = type(c.keys, c.capsBefore);
        EXPECT_EQ(typed.text, c.arrives) << c.keys << " caps " << c.capsBefore;
        EXPECT_EQ(typed.capsLock, c.capsAfter) << c.keys << " caps " << c.capsBefore;
        EXPECT_EQ(typed.capsPresses, c.capsPresses) << c.keys << " caps " << c.capsBefore;
    }
}

TEST(KeyTranslation, DeadKeysKeysOfOtherCharactersAndComposingLanguagesGetTheCharactersAsThemselves)
{
    struct Case {
        const char* layout;
        std::function<void(sim::SimKeyboardLayout&)> setUp;
        std::string keys;
        std::string arrives;  // the user's own E key typed after the turn included
        std::set<std::uint16_t> keysPressed;
    };
    const Case cases[] = {
        // "^" is Shift+6 and dead: it would compose with the "e" after it, and
        // a trailing one with the user's next keystroke.
        {"US-International", [](auto& l) { l.deadKeys.insert({'6', true}); }, "{^}ea{^}", "^ea^e", {'E', 'A'}},
        {"a table naming E for \xC3\xA9", [](auto& l) { l.wrongTableEntries[U'\u00E9'] = {'E', 0}; },
         "caf\xC3\xA9", "caf\xC3\xA9" "e", {'C', 'A', 'F'}},
        // Keys would become composition; with Ctrl they are shortcuts.
        {"a Japanese layout", [](auto& l) { l.languageId = 0x11; }, "ab 1^c", "ab 1e", {vk::kControl, 'C'}},
    };
    for (const Case& c : cases) {
        sim::SimKeyInjector keyboard;
        c.setUp(keyboard.layout);
        const auto layout = keyboard.layoutOf(1);
        KeyTranslator translator(*layout, false);
        const auto inputs = translator.translate(parseKeyString(c.keys));
        std::set<std::uint16_t> pressed;
        for (const KeyInput& input : inputs)
            if (!input.unicode && !input.up && input.virtualKey != vk::kShift) pressed.insert(input.virtualKey);
        keyboard.send(inputs, 1);
        keyboard.send({KeyInput{false, 'E', 'E', false, false}, KeyInput{false, 'E', 'E', false, true}}, 1);
        EXPECT_EQ(keyboard.typed(), c.arrives) << c.layout;
        EXPECT_EQ(pressed, c.keysPressed) << c.layout;
    }
}

TEST(KeyTranslation, KeysCarryTheLayoutsScanCodeAndItsExtendedFlag)
{
    sim::SimKeyboardLayout layout;
    KeyTranslator translator(layout, false);
    const auto inputs = translator.translate(parseKeyString("{LEFT}a"));
    ASSERT_EQ(inputs.size(), 4u);
    EXPECT_EQ(inputs[0], (KeyInput{false, vk::kLeft, 0x25, true, false}));  // 0xE025 on this layout
    EXPECT_EQ(inputs[2], (KeyInput{false, 'A', 'A', false, false}));
    const auto unicode = translator.translate(parseKeyString("\xF0\x9F\x98\x80"));  // one character, two units
    ASSERT_EQ(unicode.size(), 4u);
    EXPECT_EQ(unicode[0], (KeyInput{true, 0, 0xD83D, false, false}));
    EXPECT_EQ(unicode[1], (KeyInput{true, 0, 0xDE00, false, false}));
}

TEST(KeyTranslation, AfterAShortSendNoKeyStaysDownAndTheLockIsAsTheTextLeftIt)
{
    // With Caps Lock on, "+aB{CAPSLOCK}c" goes as: Shift Caps /Caps A /A /Shift
    // Shift B /B /Shift Caps /Caps (the text's) Caps /Caps C /C (16 inputs).
    for (std::size_t accepted = 0; accepted <= 16; ++accepted) {
        sim::SimKeyInjector keyboard;
        keyboard.capsLock = true;
        const auto layout = keyboard.layoutOf(1);
        KeyTranslator translator(*layout, true);
        const auto inputs = translator.translate(parseKeyString("+aB{CAPSLOCK}c"));
        ASSERT_EQ(inputs.size(), 16u);
        keyboard.shortSend = accepted;
        keyboard.send(inputs, 1);
        keyboard.send(translator.cleanUp(accepted), 1);
        for (std::uint16_t key : {vk::kShift, vk::kCapital, std::uint16_t{'A'}, std::uint16_t{'B'}})
            EXPECT_FALSE(keyboard.keyDown(key)) << key << " after " << accepted;
        // The text's own Caps Lock is the 11th input.
        EXPECT_EQ(keyboard.capsLock, accepted < 11) << "after " << accepted;
        EXPECT_EQ(translator.capsLockOn(), keyboard.capsLock);
    }
}

}  // namespace
}  // namespace mw
