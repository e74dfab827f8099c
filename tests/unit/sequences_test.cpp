// Sequences as data: target rules and their matching, the checks, the file
// and the store.
#include <gtest/gtest.h>

#include "sequences/sequence_file.h"
#include "sequences/sequence_store.h"
#include "sequences/target_rule.h"
#include "sim/services.h"
#include "sim/window_system.h"

namespace mw {
namespace {

TEST(TargetRule, WildcardsAndCaseAsAUserExpectsThem)
{
    struct Case {
        const char* pattern;
        const char* text;
        bool matches;
    };
    const Case cases[] = {
        {"My Game*", "my game - level 3", true},
        {"My Game*", "Not My Game", false},
        {"*Notepad", "Untitled - Notepad", true},
        {"Doc?.txt*", "Doc1.txt - Notepad", true},
        {"Doc?.txt*", "Doc12.txt - Notepad", false},
        {"*a*b*c", "xxaxxbxxbxxc", true},
        {"*a*b*c", "xxaxxbxxcxxd", false},
        {"\xC3\x84rger*", "\xC3\xA4rger \xD0\x9F\xD0\xA0\xD0\x98", true},       // Ä and ä
        {"*\xD0\xBF\xD1\x80\xD0\xB8", "\xC3\xA4rger \xD0\x9F\xD0\xA0\xD0\x98", true},  // Cyrillic in any case
        {"", "", true},
        {"?", "", false},
        {"**", "anything", true},
    };
    for (const Case& c : cases) EXPECT_EQ(wildcardMatch(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;

    const WindowFacts game{"Game.EXE", "My Game - Level 3", "GameWindow"};
    EXPECT_TRUE(ruleMatches({"game.exe", "", ""}, game)) << "any title, any class";
    EXPECT_TRUE(ruleMatches({"game.exe", "my game*", "gamewindow"}, game));
    EXPECT_FALSE(ruleMatches({"gam.exe", "", ""}, game)) << "the program is a name, not a pattern";
    EXPECT_FALSE(ruleMatches({"game.exe", "", "Other"}, game));
}

TEST(TargetRule, AWindowIsFoundAgainWhenItsProgramRestartsAndNeverOneTheRuleDoesNotName)
{
    sim::SimWindowSystem windows;
    const auto open = [&](const char* program, const char* title) {
        const WindowHandle w = windows.add(title);
        windows.find(w)->program = program;
        windows.bringToTop(w);
        return w;
    };
    const TargetRule rule{"notepad.exe", "Notes*", ""};
    const WindowHandle first = open("notepad.exe", "Notes - Notepad");
    open("notepad.exe", "Other - Notepad");
    EXPECT_EQ(resolveRule(windows, rule, kNoWindow, kNoWindow), first);
    const WindowHandle second = open("notepad.exe", "Notes 2 - Notepad");
    EXPECT_EQ(resolveRule(windows, rule, first, kNoWindow), first) << "the window used last, while it matches";
    EXPECT_EQ(resolveRule(windows, rule, kNoWindow, kNoWindow), second) << "else the topmost that matches";
    windows.destroy(first);
    windows.destroy(second);
    EXPECT_EQ(resolveRule(windows, rule, first, kNoWindow), kNoWindow);
    const WindowHandle restarted = open("NOTEPAD.EXE", "Notes - Notepad");
    EXPECT_EQ(resolveRule(windows, rule, first, kNoWindow), restarted);
    EXPECT_EQ(resolveRule(windows, rule, kNoWindow, restarted), kNoWindow) << "never the program's own window";
    windows.find(restarted)->visible = false;
    EXPECT_EQ(resolveRule(windows, rule, restarted, kNoWindow), kNoWindow) << "only windows the list would offer";
}

Sequence potion()
{
    Sequence s;
    s.name = "Potion";
    s.keys = "{F1}";
    s.every = 10;
    s.target = {"game.exe", "My Game*", ""};
    return s;
}

TEST(SequenceFile, SequencesGoThroughTheFileAndTheStoreUnchanged)
{
    Sequence full = potion();
    full.name = "Gr\xC3\xBC\xC3\x9F" "e";
    full.keys = "Hello{ENTER}\r\n\"quoted\" \\ {DELAY 500}";
    full.oneKey = true;
    full.target = {"notepad.exe", "*", "Notepad"};
    full.hotkey = "^%{F1}";
    full.on = true;
    full.jitter = 3;
    full.stopAfterTurns = 1000000;
    full.stopAfterMinutes = 10080;
    full.keyDelay = 25;
    full.keyHold = 40;
    full.background = true;
    const std::vector<Sequence> sequences{potion(), full};

    const auto read = readSequenceFile(writeSequenceFile(sequences));
    ASSERT_TRUE(std::holds_alternative<std::vector<Sequence>>(read)) << std::get<SequenceFileError>(read).text();
    EXPECT_EQ(std::get<std::vector<Sequence>>(read), sequences);

    sim::SimSettingsSections sections;
    SequenceStore store(sections);
    for (const Sequence& s : sequences) store.save(s);
    EXPECT_EQ(store.load(), (std::vector<Sequence>{full, potion()})) << "by name";
    store.remove(full.name);
    EXPECT_EQ(store.load(), std::vector<Sequence>{potion()});
}

TEST(SequenceFile, MembersLeftOutTakeTheirDefaults)
{
    const auto read = readSequenceFile(R"({"marrowind": 1, "sequences": [
        {"name": "Potion", "keys": "{F1}", "every": 10, "target": {"program": "game.exe"}}]})");
    ASSERT_TRUE(std::holds_alternative<std::vector<Sequence>>(read)) << std::get<SequenceFileError>(read).text();
    Sequence expected = potion();
    expected.target.title.clear();
    EXPECT_EQ(std::get<std::vector<Sequence>>(read), std::vector<Sequence>{expected});
}

TEST(SequenceFile, TheFirstBadEntryIsNamedByItsLineAndFieldAndNothingIsRead)
{
    const std::string good = R"({"name": "A", "keys": "a", "every": 5, "target": {"program": "a.exe"}})";
    const auto file = [&](const std::string& second) {
        return "{\"marrowind\": 1,\n \"sequences\": [\n  " + good + ",\n  " + second + "\n ]\n}";
    };
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {file(R"({"name": "B", "keys": "b", "every": 0, "target": {"program": "b.exe"}})"), 4, "\"every\" must be"},
        {file(R"({"name": "B", "keys": "b", "every": 5.5, "target": {"program": "b.exe"}})"), 4, "\"every\" must be"},
        {file(R"({"name": "B", "keys": "b{", "every": 5, "target": {"program": "b.exe"}})"), 4, "\"keys\""},
        {file(R"({"name": "a", "keys": "b", "every": 5, "target": {"program": "b.exe"}})"), 4, "two sequences named"},
        {file(R"({"name": "B", "keys": "b", "every": 5, "target": {"program": "b.exe"}, "colour": 1})"), 4,
         "unknown member \"colour\""},
        {file(R"({"name": "B", "keys": "b", "target": {"program": "b.exe"}})"), 4, "has no \"every\""},
        {file(R"({"name": "B", "keys": "b", "every": 5, "target": {"title": "x"}})"), 4, "has no \"program\""},
        {file(R"({"name": "B", "keys": "b", "every": 5, "mode": "some", "target": {"program": "b.exe"}})"), 4,
         "\"mode\" must be"},
        {file(R"({"name": "B", "keys": "b", "every": 5, "hotkey": "k", "target": {"program": "b.exe"}})"), 4,
         "\"hotkey\""},
        {file(R"({"name": "B", "keys": "b", "every": 5, "target": {"program": "b.exe"},})"), 4, "not JSON"},
        {"{\"marrowind\": 2, \"sequences\": []}", 1, "\"marrowind\" must be 1"},
        {"{\n\"sequences\": [],\n\"extra\": 1}", 3, "unknown member \"extra\""},
        {"[]", 1, "must hold a JSON object"},
    };
    for (const Case& c : cases) {
        const auto read = readSequenceFile(c.text);
        ASSERT_TRUE(std::holds_alternative<SequenceFileError>(read)) << c.text;
        const SequenceFileError& error = std::get<SequenceFileError>(read);
        EXPECT_EQ(error.line, c.line) << error.text();
        EXPECT_NE(error.message.find(c.says), std::string::npos) << error.text();
    }
}

TEST(SequenceChecks, NameAndRangeOfTheFirstFieldThatHoldsNoUsableValue)
{
    struct Case {
        std::function<void(Sequence&)> change;
        SequenceField field;
        const char* says;
    };
    const Case cases[] = {
        {[](Sequence& s) { s.name = std::string(41, 'n'); }, SequenceField::Name, "1 to 40 characters"},
        {[](Sequence& s) { s.name = "a\\b"; }, SequenceField::Name, "backslash"},
        {[](Sequence& s) { s.name = "POTION 2"; }, SequenceField::Name, "exists already"},
        {[](Sequence& s) { s.keys.clear(); }, SequenceField::Keys, "must not be empty"},
        {[](Sequence& s) { s.every = 86401; }, SequenceField::Every, "from 1 to 86400"},
        {[](Sequence& s) { s.target.program.clear(); }, SequenceField::Program, "Program"},
        {[](Sequence& s) { s.hotkey = "+k"; }, SequenceField::Hotkey, "Ctrl or Alt"},
        {[](Sequence& s) { s.keyHold = 1001; }, SequenceField::Number, "Hold each key"},
    };
    for (const Case& c : cases) {
        Sequence s = potion();
        c.change(s);
        const auto problem = checkSequence(s, {"potion 2"});
        ASSERT_TRUE(problem) << c.says;
        EXPECT_EQ(problem->field, c.field) << c.says;
        EXPECT_NE(problem->message.find(c.says), std::string::npos) << problem->message;
    }
    EXPECT_FALSE(checkSequence(potion(), {"Other"}));
}

}  // namespace
}  // namespace mw
