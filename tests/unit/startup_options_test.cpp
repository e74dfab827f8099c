#include "main_window/startup_options.h"

#include <gtest/gtest.h>

#include "shell/product.h"
#include "sim/services.h"

namespace mw {
namespace {

struct StartupOptionsTest : ::testing::Test {
    sim::SimSettingsStore settings;
    sim::SimRegistry registry;
    sim::SimFiles files;
    StartupOptions options{settings, registry, files};
};

TEST_F(StartupOptionsTest, TheTrayChoiceComesBackOnlyWithAnActiveEntry)
{
    settings.values[setting::kMinimized] = "On";
    options.restoreEntry();
    options.restoreInTray();
    EXPECT_FALSE(options.entry() || options.inTray() || options.inTrayOffered());
    registry.setString(Hive::CurrentUser, kUserRunKey, files.fileName, startupCommand(files));
    options.restoreEntry();
    options.restoreInTray();
    EXPECT_TRUE(options.entry() && options.inTray() && options.inTrayOffered());
    EXPECT_TRUE(settings.writes.empty()) << "restoring writes nothing";
}

TEST_F(StartupOptionsTest, AnEntryThatCannotBeWrittenOrRemovedPutsTheBoxesBackToTheTruth)
{
    registry.refused[Hive::LocalMachine] = registry.refused[Hive::CurrentUser] = true;
    options.entryTicked();
    EXPECT_EQ(options.addEntry(), StartupChange::Refused);
    EXPECT_FALSE(options.entry() || options.inTrayOffered());
    EXPECT_EQ(settings.values[setting::kWindowsStartup], "Off");

    // Written by a run as administrator; this run may not change it.
    registry.strings[{Hive::LocalMachine, kMachineRunKey, files.fileName}] = startupCommand(files);
    settings.values[setting::kMinimized] = "On";
    options.restoreEntry();
    options.restoreInTray();
    options.entryCleared();
    EXPECT_EQ(settings.values[setting::kMinimized], "Off") << "the second box went with the first";
    EXPECT_FALSE(options.removeEntry());
    EXPECT_TRUE(options.entry() && options.inTray());
    EXPECT_EQ(settings.values[setting::kWindowsStartup], "On");
    EXPECT_EQ(settings.values[setting::kMinimized], "On");
}

}  // namespace
}  // namespace mw
