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
    EXPECT_EQ(
        dialog.choices(),
        (std::vector<std::string>{
            "Strong USGA - Except for first 5 rounds, based on USGA number of rounds rule.",
            "Use the lowest half of the recent rounds.", "Use all recent rounds.", "World Handicap System"}));
    EXPECT_EQ(dialog.buttons(), (std::vector<std::string>{"OK", "Cancel", "Help"}));
}

TEST(CHandicapRule, OpensOnTheRuleInForceAndOnNothingForAnUnknownRule) {
    test::MemorySettingsStore settings;
    EXPECT_EQ(CHandicapRule(settings, 2).selectedIndex(), 2);
    EXPECT_EQ(CHandicapRule(settings, 7).selectedIndex(), -1);
    CHandicapRule dialog(settings, 1);
    dialog.select(4);
    EXPECT_EQ(dialog.selectedIndex(), 1) << "no such choice";
    dialog.select(3);
    EXPECT_EQ(dialog.selectedIndex(), 3);
}

TEST(CHandicapRule, OkWithNothingChosenStoresNothing) {
    test::MemorySettingsStore settings;
    CHandicapRule dialog(settings, 9);
    EXPECT_EQ(dialog.ok(), platform::dialogOk);
    EXPECT_EQ(dialog.rule(), 9);
    EXPECT_TRUE(settings.writes.empty());
}

} // namespace
} // namespace kip::handicap
