#include "handicap/CHandicapRule.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kip::handicap {
namespace {

TEST(CHandicapRule, ShowsItsTextsAndChoicesInRuleOrder) {
    test::MemorySettingsStore settings;
    CHandicapRule dialog(settings, 0);
    EXPECT_EQ(dialog.title(), "Choose Handicap Rules");
    EXPECT_EQ(dialog.text(), "Select the number of rounds you want to use to calculate golfer handicaps. "
                             "Generally this means how many of the 20 most recent rounds are used in the "
                             "handicap calculation. The handicap calculation itself remains the same "
                             "(USGA formula).");
    ASSERT_EQ(dialog.choices().size(), 3u);
    EXPECT_EQ(dialog.choices()[0],
              "Strong USGA - Except for first 5 rounds, based on USGA number of rounds rule.");
    EXPECT_EQ(dialog.choices()[1], "Use the lowest half of the recent rounds.");
    EXPECT_EQ(dialog.choices()[2], "Use all recent rounds.");
    EXPECT_EQ(dialog.buttons(), (std::vector<std::string>{"OK", "Cancel", "Help"}));
}

TEST(CHandicapRule, OpensOnTheCurrentRuleAndNoneForAnUnknownValue) {
    test::MemorySettingsStore settings;
    EXPECT_EQ(CHandicapRule(settings, 0).selectedIndex(), 0);
    EXPECT_EQ(CHandicapRule(settings, 2).selectedIndex(), 2);
    EXPECT_EQ(CHandicapRule(settings, 7).selectedIndex(), -1);
    EXPECT_EQ(CHandicapRule(settings, -1).selectedIndex(), -1);
}

TEST(CHandicapRule, OkStoresTheChosenRule) {
    test::MemorySettingsStore settings;
    CHandicapRule dialog(settings, 0);
    dialog.select(2);
    EXPECT_EQ(dialog.ok(), platform::dialogOk);
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"Handicap/Rule=2"}));
    EXPECT_EQ(dialog.rule(), 2);
}

TEST(CHandicapRule, CancelChangesNothing) {
    test::MemorySettingsStore settings;
    CHandicapRule dialog(settings, 1);
    dialog.select(2);
    EXPECT_EQ(dialog.cancel(), platform::dialogCancel);
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_EQ(dialog.rule(), 1);
}

TEST(CHandicapRule, ChoicesOutsideTheListAreIgnored) {
    test::MemorySettingsStore settings;
    CHandicapRule dialog(settings, 1);
    dialog.select(3);
    dialog.select(-1);
    EXPECT_EQ(dialog.selectedIndex(), 1);
}

TEST(CHandicapRule, OkWithNothingChosenKeepsTheStoredRule) {
    test::MemorySettingsStore settings;
    CHandicapRule dialog(settings, 9);
    EXPECT_EQ(dialog.ok(), platform::dialogOk);
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_EQ(dialog.rule(), 9);
}

} // namespace
} // namespace kip::handicap
