// The command line end to end: commands handed to the running copy, which
// answers for them, and a start with a command when no copy runs.
#include <gtest/gtest.h>

#include <fstream>

#include "driver.h"

namespace e2e {
namespace {

const std::string kSequencesKey = "HKCU\\Software\\VB and VBA Program Settings\\Marrowind\\Sequences";

// A file in the temporary folder, written whole; its path.
std::wstring tempFile(const std::wstring& name, const std::string& content)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    std::ofstream(path.c_str(), std::ios::binary) << content;
    return path;
}

// Each test starts with no sequences and leaves none behind, for the suites
// that follow.
class CommandLine : public ::testing::Test {
protected:
    void SetUp() override { regDeleteKey(kSequencesKey); }
    void TearDown() override { regDeleteKey(kSequencesKey); }
};

TEST_F(CommandLine, TheRunningCopyTakesCommandsAnswersForThemAndStaysInTheTray)
{
    Target target(L"Marrowind Test Target");
    Marrowind app;
    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);  // to the tray
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(app.window()); }));

    const std::wstring set = tempFile(L"marrowind-set.json", R"({"marrowind": 1, "sequences": [
        {"name": "My Potion", "keys": "z", "every": 1, "target": {"program": "marrowind_target.exe"}}]})");
    EXPECT_EQ(runCommand({L"/import", set}).exitCode, 0);
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSequencesKey + "\\My Potion", "keys") == "z"; }));
    EXPECT_EQ(runCommand({L"-TOGGLE", L"my potion"}).exitCode, 0);
    EXPECT_TRUE(waitUntil([&] { return target.typed().find('z') != std::string::npos; }, 15s)) << target.typed();

    const CommandRun unknown = runCommand({L"/off", L"Nobody"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.errorOutput.find("There is no sequence named \"Nobody\"."), std::string::npos)
        << unknown.errorOutput;
    const std::wstring bad = tempFile(L"marrowind-bad.json", "{\"marrowind\": 1, \"sequences\": [\n"
                                                              "  {\"name\": \"Bad\", \"keys\": \"b\", \"every\": 0, "
                                                              "\"target\": {\"program\": \"x.exe\"}}]}");
    const CommandRun badImport = runCommand({L"/import", bad});
    EXPECT_EQ(badImport.exitCode, 2);
    EXPECT_NE(badImport.errorOutput.find("marrowind-bad.json: Line 2: "), std::string::npos) << badImport.errorOutput;

    // Neither changed the running copy: the sequence still types, nothing
    // was imported, and no command brought the window back.
    const std::size_t typed = target.typed().size();
    EXPECT_TRUE(waitUntil([&] { return target.typed().size() > typed; }, 15s));
    EXPECT_EQ(regQuery(kSequencesKey + "\\Bad", "keys"), std::nullopt);
    EXPECT_EQ(regQuery(kSequencesKey + "\\My Potion", "on"), std::optional<std::string>("On"));
    EXPECT_FALSE(IsWindowVisible(app.window()));
    EXPECT_EQ(runCommand({L"/off", L"My Potion"}).exitCode, 0);
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSequencesKey + "\\My Potion", "on") == "Off"; }));
}

TEST_F(CommandLine, AStartWithACommandAndNoCopyRunningStartsAsUsualAndCarriesItOut)
{
    presetSettings({});
    regSetStrings(kSequencesKey + "\\Potion", {{"keys", "y"}, {"mode", "whole"}, {"program", "marrowind_target.exe"},
                                               {"on", "Off"}, {"every", "1"}, {"jitter", "0"},
                                               {"stopAfterTurns", "0"}, {"stopAfterMinutes", "0"},
                                               {"keyDelay", "0"}, {"keyHold", "0"}});
    Target target(L"Marrowind Test Target");
    Marrowind::Options options;
    options.freshSettings = false;  // the sequence just stored stays
    options.arguments = {L"/on", L"potion"};
    Marrowind app(options);
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(app.window()) != FALSE; })) << "comes up as usual";
    EXPECT_TRUE(waitUntil([&] { return target.typed().find('y') != std::string::npos; }, 15s)) << target.typed();
    EXPECT_EQ(regQuery(kSequencesKey + "\\Potion", "on"), std::optional<std::string>("On"));
}

}  // namespace
}  // namespace e2e
