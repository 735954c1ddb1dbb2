#include "platform/ini_profile.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ReadFile;
using testsupport::WriteFile;

TEST(IniProfile, ReadsSectionsAndKeysAsWrittenAndKeepsDefaultsForMissingOrEmptyKeys) {
    testsupport::TempDir dir;
    const auto file = dir.Path() / "dravonet.ini";
    WriteFile(file, "; settings\r\n"
                    "[Settings]\r\n"
                    "Default Directory = /home/user/slopes \r\n"
                    "Units Type=2\r\n"
                    "Empty Key=\r\n"
                    "\r\n"
                    "[Recent File List]\r\n"
                    "File1=/data/a.preinput-kliven\r\n"
                    "File2=/data/b=c.preinput-kliven");
    platform::IniProfile profile(file);
    EXPECT_EQ(profile.GetString("Settings", "Default Directory"), "/home/user/slopes");
    EXPECT_EQ(profile.GetString("settings", "default directory"), "/home/user/slopes");
    EXPECT_EQ(profile.GetInt("Settings", "Units Type"), 2);
    EXPECT_FALSE(profile.GetString("Settings", "Empty Key"));
    EXPECT_FALSE(profile.GetString("Settings", "Missing"));
    EXPECT_FALSE(profile.GetString("Nowhere", "Units Type"));
    EXPECT_EQ(profile.GetString("Recent File List", "File2"), "/data/b=c.preinput-kliven");
}

TEST(IniProfile, WritesChangesBackKeepingOrderAndComments) {
    testsupport::TempDir dir;
    const auto file = dir.Path() / "sub" / "dravonet.ini";
    std::filesystem::create_directories(file.parent_path());
    WriteFile(file, "; settings\n[Settings]\nUnits Type=2\n\n[Other]\nA=1\n");
    {
        platform::IniProfile profile(file);
        profile.SetInt("Settings", "Units Type", 1);
        profile.SetString("Settings", "Default Directory", "/tmp/x");
        profile.SetDouble("Constants", "Unit Weight of Water", 9.81);
        ASSERT_TRUE(profile.Flush());
    }
    EXPECT_EQ(ReadFile(file),
              "; settings\n[Settings]\nUnits Type=1\nDefault Directory=/tmp/x\n\n[Other]\nA=1\n"
              "[Constants]\nUnit Weight of Water=9.81\n");
    platform::IniProfile again(file);
    EXPECT_EQ(again.GetDouble("Constants", "Unit Weight of Water"), 9.81);
}

TEST(IniProfile, AFailedWriteIsReportedAndLeavesTheOldFileWhole) {
    testsupport::TempDir dir;
    const auto missing = dir.Path() / "nofile.ini";
    platform::IniProfile fresh(missing);
    EXPECT_FALSE(fresh.GetString("Settings", "Units Type"));
    EXPECT_TRUE(fresh.Flush());  // nothing changed, nothing written
    EXPECT_FALSE(std::filesystem::exists(missing));

    // The folder of the profile is a plain file: nothing can be written there.
    WriteFile(dir.Path() / "blocker", "x");
    platform::IniProfile blocked(dir.Path() / "blocker" / "dravonet.ini");
    blocked.SetString("Settings", "Units Type", "1");
    EXPECT_FALSE(blocked.Flush());
    EXPECT_EQ(ReadFile(dir.Path() / "blocker"), "x");
}

TEST(IniProfile, DefaultFileIsInTheUsersConfigFolder) {
    const auto file = platform::IniProfile::DefaultFile();
    EXPECT_EQ(file.filename(), "dravonet.ini");
    EXPECT_EQ(file.parent_path().filename(), "dravonet");
}

}  // namespace
