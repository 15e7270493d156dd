#include "platform/IniSettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::platform {
namespace {

TEST(IniSettingsStore, FreshFileReadsDefaults) {
    test::TempDir dir;
    IniSettingsStore settings(dir.file("cfg/KipGolf.ini"));
    EXPECT_EQ(settings.readInt("Settings", "NoShow", 0), 0);
    EXPECT_EQ(settings.readText("Settings", "LastBackup", "00000000"), "00000000");
}

TEST(IniSettingsStore, ValuesRoundTripAcrossInstancesAndSections) {
    test::TempDir dir;
    const std::string path = dir.file("cfg/KipGolf.ini");
    {
        IniSettingsStore settings(path);
        settings.writeInt("Handicap", "Rule", 2);
        settings.writeText("CourseMRU", "Name00", "Alder Run  padded ");
        settings.writeInt("Points", "Eagle", -5);
        settings.writeInt("Handicap", "Rule", 1); // rewritten in place
    }
    IniSettingsStore other(path);
    EXPECT_EQ(other.readInt("Handicap", "Rule", 0), 1);
    EXPECT_EQ(other.readInt("Points", "Eagle", 0), -5);
    EXPECT_EQ(other.readText("CourseMRU", "Name00", ""), "Alder Run  padded ");
    EXPECT_EQ(other.readInt("Points", "Rule", 7), 7) << "names belong to their section";
    const std::string text = test::readFile(path);
    EXPECT_EQ(text.find("Rule=2"), std::string::npos);
}

TEST(IniSettingsStore, RemovedValuesLeaveTheRestOfTheFile) {
    test::TempDir dir;
    IniSettingsStore settings(dir.file("KipGolf.ini"));
    settings.writeText("CourseMRU", "Name00", "One");
    settings.writeText("CourseMRU", "Name01", "Two");
    settings.writeInt("Points", "Eagle", 3);
    settings.removeValue("CourseMRU", "Name00");
    settings.removeValue("CourseMRU", "Name04"); // never there
    settings.removeValue("Other", "Name00");
    EXPECT_EQ(settings.readText("CourseMRU", "Name00", "gone"), "gone");
    EXPECT_EQ(settings.readText("CourseMRU", "Name01", ""), "Two");
    EXPECT_EQ(settings.readInt("Points", "Eagle", 0), 3);
    EXPECT_EQ(test::readFile(dir.file("KipGolf.ini")).find("Name00"), std::string::npos);
}

TEST(IniSettingsStore, UnreadableNumberReadsAsDefault) {
    test::TempDir dir;
    IniSettingsStore settings(dir.file("KipGolf.ini"));
    settings.writeText("Settings", "NoShow", "yes");
    EXPECT_EQ(settings.readInt("Settings", "NoShow", 0), 0);
}

TEST(IniSettingsStore, DefaultPathFollowsXdgConfigHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string restore = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/tmp/kip-xdg", 1);
    EXPECT_EQ(IniSettingsStore::defaultPath(), "/tmp/kip-xdg/KipGolf/KipGolf.ini");
    if (saved)
        setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace kip::platform
