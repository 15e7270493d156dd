#include "app/CPreferencesDlg.h"

#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kip::app {
namespace {

class Preferences : public ::testing::Test {
protected:
    test::MemorySettingsStore settings;
    test::ScriptedPrompter prompter;

    void storePoints(std::array<int, 5> values) {
        settings.values["Points/UsePoints"] = "1";
        for (int i = 0; i < 5; ++i)
            settings.values[std::string("Points/") + pointSettings[i]] = std::to_string(values[i]);
    }
};

TEST_F(Preferences, FreshUserShowsEverythingOffWithPointsDisabled) {
    CPreferencesDlg dlg(settings, prompter);
    for (int i = 0; i < CPreferencesDlg::checkCount; ++i)
        EXPECT_FALSE(dlg.checked(static_cast<CPreferencesDlg::Check>(i)));
    EXPECT_FALSE(dlg.pointsEnabled());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dlg.pointText(i), "0");
    EXPECT_TRUE(dlg.ok());
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Preferences, PointValuesAreNotReadWhilePointsAreOff) {
    settings.values["Points/Eagle"] = "7";
    CPreferencesDlg dlg(settings, prompter);
    EXPECT_EQ(dlg.pointText(0), "0");
    storePoints({5, 2, 1, 0, -1});
    CPreferencesDlg on(settings, prompter);
    EXPECT_TRUE(on.pointsEnabled());
    EXPECT_EQ(on.pointText(0), "5");
    EXPECT_EQ(on.pointText(4), "-1");
}

TEST_F(Preferences, OnlyChangedValuesAreWritten) {
    CPreferencesDlg dlg(settings, prompter);
    dlg.setChecked(CPreferencesDlg::NoShow, true);
    EXPECT_TRUE(dlg.ok());
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"Settings/NoShow=1"}));
    EXPECT_FALSE(dlg.menuTypeChanged());
}

TEST_F(Preferences, TypingAnythingButANumberIsUndone) {
    storePoints({5, 0, 0, 0, 0});
    CPreferencesDlg dlg(settings, prompter);
    EXPECT_TRUE(dlg.changePointText(1, "-"));
    EXPECT_TRUE(dlg.changePointText(1, "-3"));
    EXPECT_FALSE(dlg.changePointText(1, "-3-"));
    EXPECT_FALSE(dlg.changePointText(1, "-3a"));
    EXPECT_FALSE(dlg.changePointText(1, " 3"));
    EXPECT_EQ(dlg.pointText(1), "-3");
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.last().text, "Please only enter a number for points");
    EXPECT_EQ(prompter.last().caption, "Invalid Number");
    EXPECT_EQ(prompter.last().icon, platform::Icon::None);
    EXPECT_TRUE(dlg.changePointText(1, ""));
}

TEST_F(Preferences, PointsRangeIsChecked) {
    CPreferencesDlg dlg(settings, prompter);
    dlg.setChecked(CPreferencesDlg::UsePoints, true);
    dlg.changePointText(0, "101");
    EXPECT_FALSE(dlg.ok());
    EXPECT_EQ(prompter.last().text, "Points values must be in the range of -100 to 100, please reenter");
    EXPECT_EQ(prompter.last().caption, "Points Error");
    EXPECT_EQ(prompter.last().icon, platform::Icon::Error);
    dlg.changePointText(0, "-101");
    EXPECT_FALSE(dlg.ok());
    dlg.changePointText(0, "99999999999999999999"); // too large for any integer
    EXPECT_FALSE(dlg.ok());
    EXPECT_TRUE(settings.writes.empty());
    dlg.changePointText(0, "-100");
    dlg.changePointText(4, "100");
    EXPECT_TRUE(dlg.ok());
    EXPECT_EQ(settings.values["Points/Eagle"], "-100");
    EXPECT_EQ(settings.values["Points/Double"], "100");
    EXPECT_EQ(settings.values["Points/UsePoints"], "1");
}

TEST_F(Preferences, AllZeroPointsAreRefused) {
    CPreferencesDlg dlg(settings, prompter);
    dlg.setChecked(CPreferencesDlg::UsePoints, true);
    dlg.setChecked(CPreferencesDlg::NoShow, true);
    dlg.changePointText(2, "-0");
    EXPECT_FALSE(dlg.ok());
    EXPECT_EQ(prompter.last().text, "At least one of the points earned must not be 0, please correct");
    EXPECT_EQ(prompter.last().caption, "Points Earned Error");
    EXPECT_TRUE(settings.writes.empty()); // nothing else is saved either
    dlg.changePointText(0, "5");
    EXPECT_TRUE(dlg.ok());
    EXPECT_EQ(settings.writes,
              (std::vector<std::string>{"Points/Eagle=5", "Settings/NoShow=1", "Points/UsePoints=1"}));
}

TEST_F(Preferences, AnEmptiedBoxHoldsNoNumberAndNothingIsSaved) {
    storePoints({5, 2, 1, 0, -1});
    for (const std::string text : {"", "-"}) {
        CPreferencesDlg dlg(settings, prompter);
        dlg.setChecked(CPreferencesDlg::NoShow, true);
        ASSERT_TRUE(dlg.changePointText(3, text));
        EXPECT_FALSE(dlg.ok()) << '"' << text << '"';
        EXPECT_EQ(prompter.last().text, "Enter an integer.");
        EXPECT_EQ(prompter.last().caption, "KipGolf");
        EXPECT_EQ(prompter.last().icon, platform::Icon::Warning);
        EXPECT_TRUE(settings.writes.empty());
        dlg.changePointText(3, "-2");
        EXPECT_TRUE(dlg.ok());
        EXPECT_EQ(settings.values["Points/Bogie"], "-2");
        settings.values["Settings/NoShow"] = "0";
        settings.writes.clear();
    }
}

TEST_F(Preferences, TurningPointsOffStoresZeros) {
    storePoints({5, 3, 1, -1, -2});
    CPreferencesDlg dlg(settings, prompter);
    dlg.setChecked(CPreferencesDlg::UsePoints, false);
    EXPECT_TRUE(dlg.ok());
    for (const char* name : pointSettings)
        EXPECT_EQ(settings.values[std::string("Points/") + name], "0");
    EXPECT_EQ(settings.values["Points/UsePoints"], "0");
    CPreferencesDlg again(settings, prompter);
    again.setChecked(CPreferencesDlg::UsePoints, true);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(again.pointText(i), "0");
}

TEST_F(Preferences, MenuTypeChangeIsAnnounced) {
    CPreferencesDlg dlg(settings, prompter);
    dlg.setChecked(CPreferencesDlg::UseClassicMenus, true);
    EXPECT_TRUE(dlg.ok());
    EXPECT_TRUE(dlg.menuTypeChanged());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.last().text,
              "You have changed the type of menus you want to use. This change will take "
              "effect the next time you start Kip Golf");
    EXPECT_EQ(prompter.last().caption, "Menu Type Change");
    EXPECT_EQ(prompter.last().icon, platform::Icon::Information);
    EXPECT_EQ(settings.values["Settings/UseClassicMenus"], "1");
}

TEST_F(Preferences, PointValueReading) {
    EXPECT_EQ(CPreferencesDlg::pointValue(""), 0);
    EXPECT_EQ(CPreferencesDlg::pointValue("-"), 0);
    EXPECT_EQ(CPreferencesDlg::pointValue("-42"), -42);
    EXPECT_GT(CPreferencesDlg::pointValue("123456789012345"), 100);
    EXPECT_LT(CPreferencesDlg::pointValue("-123456789012345"), -100);
}

} // namespace
} // namespace kip::app
