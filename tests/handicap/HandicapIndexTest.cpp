#include "handicap/HandicapIndex.h"
#include "GolfData.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kip::handicap {
namespace {

using testing::GolfData;
using testing::RoundSpec;

const std::string golfer = "Okonkwo, Ike";

// Record numbers of the listing entries marked as used.
std::vector<long> usedRecords(const HandicapListing& listing) {
    std::vector<long> used;
    for (std::size_t i = 0; i < listing.size(); ++i)
        if (listing.lines[i].ends_with(" *"))
            used.push_back(listing.recordNumbers[i]);
    return used;
}

TEST(HandicapIndex, WorkedExampleUsesTheTwoLowestAndMarksTheOlderOfEqualRounds) {
    GolfData data;
    const auto records = data.addRoundsNewestFirst(golfer, {14.2, 12.0, 16.5, 12.0, 18.1, 11.3, 15.0, 13.7});
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), golfer, &listing);
    EXPECT_EQ(result.counted, 8);
    EXPECT_NEAR(result.index, 11.134, 1e-9);
    ASSERT_EQ(listing.size(), 8u);
    ASSERT_EQ(listing.courseNames.size(), 8u);
    ASSERT_EQ(listing.recordNumbers.size(), 8u);
    // Ascending: 11.3 (6th), 12.0 (4th), 12.0 (2nd), ...
    EXPECT_EQ(listing.recordNumbers[0], records[5]);
    EXPECT_EQ(listing.recordNumbers[1], records[3]);
    EXPECT_EQ(listing.recordNumbers[2], records[1]);
    EXPECT_EQ(usedRecords(listing), (std::vector<long>{records[5], records[3]}));
    EXPECT_EQ(listing.courseNames[0], "Alder Run");
}

TEST(HandicapIndex, ListingLineShowsDateGrossAndStoredDifferential) {
    GolfData data;
    const long record = data.addRound({golfer, 2024, 6, 4, 6.8, 82, "Cedar Ridge"});
    data.addRound({golfer, 2024, 5, 4, -0.5, 71, "Birch Hollow"});
    HandicapListing listing;
    computeHandicapIndex(data.scores(), golfer, &listing);
    ASSERT_EQ(listing.size(), 2u);
    EXPECT_EQ(listing.lines[0], "  2024/05/04  71 (-0.5) *");
    EXPECT_EQ(listing.lines[1], "  2024/06/04  82 ( 6.8)");
    EXPECT_EQ(listing.recordNumbers[1], record);
    EXPECT_EQ(listing.courseNames[1], "Cedar Ridge");
}

TEST(HandicapIndex, ListingGrossFallsBackToTheSumOfStrokes) {
    GolfData data;
    auto& round = data.scores().record();
    round.clear();
    round.golfer = golfer;
    round.name = "Alder Run";
    round.year = 2024;
    round.month = 3;
    round.day = 9;
    round.differential = 10.0;
    for (int hole = 1; hole <= 18; ++hole)
        round.strokes[hole] = static_cast<std::int8_t>(hole % 2 ? 5 : 4);
    ASSERT_EQ(data.scores().add(), 0);
    HandicapListing listing;
    computeHandicapIndex(data.scores(), golfer, &listing);
    ASSERT_EQ(listing.size(), 1u);
    EXPECT_EQ(listing.lines[0], "  2024/03/09  81 (10.0) *");
}

TEST(HandicapIndex, OneRoundUsesItsDifferentialLessTheTenthRule) {
    GolfData data;
    data.addRound({golfer, 2024, 6, 1, 15.0});
    const auto result = computeHandicapIndex(data.scores(), golfer);
    EXPECT_EQ(result.counted, 1);
    EXPECT_NEAR(result.index, 15.0 * 0.96 - 0.05, 1e-9);
}

TEST(HandicapIndex, OnlyTheTwentyNewestRoundsCount) {
    GolfData data;
    std::vector<double> differentials(25, 20.0);
    std::fill(differentials.begin() + 20, differentials.end(), 1.0); // the five oldest would be lowest
    data.addRoundsNewestFirst(golfer, differentials);
    const auto result = computeHandicapIndex(data.scores(), golfer);
    EXPECT_EQ(result.counted, 20);
    EXPECT_NEAR(result.index, 20.0 * 0.96 - 0.05, 1e-9);
}

TEST(HandicapIndex, RuleDecidesHowManyOfTheLowestAreAveraged) {
    GolfData data;
    data.addRoundsNewestFirst(golfer, {7.0, 1.0, 6.0, 2.0, 5.0, 3.0, 4.0});
    auto& scores = data.scores();

    scores.selectRoundsUsedTable(golfdb::ruleUsga); // 7 rounds: lowest 2
    EXPECT_NEAR(computeHandicapIndex(scores, golfer).index, 1.5 * 0.96 - 0.05, 1e-9);
    scores.selectRoundsUsedTable(golfdb::ruleLowestHalf); // lowest 4
    EXPECT_NEAR(computeHandicapIndex(scores, golfer).index, 2.5 * 0.96 - 0.05, 1e-9);
    scores.selectRoundsUsedTable(golfdb::ruleAllRecent); // all 7
    HandicapListing listing;
    EXPECT_NEAR(computeHandicapIndex(scores, golfer, &listing).index, 4.0 * 0.96 - 0.05, 1e-9);
    EXPECT_EQ(usedRecords(listing).size(), 7u);
    scores.selectRoundsUsedTable(5); // unknown rules behave as the USGA table
    EXPECT_NEAR(computeHandicapIndex(scores, golfer).index, 1.5 * 0.96 - 0.05, 1e-9);
}

TEST(HandicapIndex, TenthIsSubtractedOnlyFromPositiveIndexes) {
    GolfData data;
    data.addRound({golfer, 2024, 6, 1, -1.0});
    data.addRound({"Abernathy, Claire", 2024, 6, 1, 0.0});
    data.addRound({"Zielinski, Walt", 2024, 6, 1, 0.1}); // 0.096 - 0.05 stays positive
    EXPECT_NEAR(computeHandicapIndex(data.scores(), golfer).index, -0.96, 1e-9);
    EXPECT_EQ(computeHandicapIndex(data.scores(), "Abernathy, Claire").index, 0.0);
    EXPECT_NEAR(computeHandicapIndex(data.scores(), "Zielinski, Walt").index, 0.046, 1e-9);
}

TEST(HandicapIndex, AverageJustAboveZeroComesOutAsMinusZero) {
    GolfData data;
    data.addRoundsNewestFirst(golfer, {0.0, 0.0, 0.1}); // Usga, 3 rounds: lowest 1 = 0.0
    data.scores().selectRoundsUsedTable(golfdb::ruleAllRecent);
    const auto result = computeHandicapIndex(data.scores(), golfer); // 0.0333 * 0.96 - 0.05
    EXPECT_LT(result.index, 0.0);
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%4.1f", result.index);
    EXPECT_STREQ(text.data(), "-0.0");
}

TEST(HandicapIndex, NoRoundsGiveZeroEvenWhenNeighboursHaveRounds) {
    GolfData data;
    data.addRound({"Smith, Alan", 2024, 6, 1, 12.0});
    data.addRound({"Smith, Ab", 2024, 6, 1, 14.0});
    const auto none = computeHandicapIndex(data.scores(), "Smith, Al");
    EXPECT_EQ(none.counted, 0);
    EXPECT_EQ(none.index, 0.0);
    EXPECT_EQ(computeHandicapIndex(data.scores(), "Zz, Nobody").counted, 0);
    EXPECT_EQ(computeHandicapIndex(data.scores(), "Aa, Nobody").counted, 0);
}

TEST(HandicapIndex, OtherGolfersRoundsNeverCount) {
    GolfData data;
    data.addRoundsNewestFirst("Smith, Al", {10.0, 11.0});
    data.addRoundsNewestFirst("Smith, Alan", {1.0, 1.0, 1.0});
    data.addRoundsNewestFirst("Smith, A", {2.0});
    const auto result = computeHandicapIndex(data.scores(), "Smith, Al");
    EXPECT_EQ(result.counted, 2);
    EXPECT_NEAR(result.index, 10.0 * 0.96 - 0.05, 1e-9);
}

TEST(HandicapIndex, StartingHandicapWorthTwentyRoundsGivesItBack) {
    GolfData data;
    data.addInitialRound(golfer, 12.0, 20);
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), golfer, &listing);
    EXPECT_EQ(result.counted, 20);
    EXPECT_NEAR(result.index, 12.6 * 0.96 - 0.05, 1e-9); // stored differential 12.6
    EXPECT_EQ(usedRecords(listing).size(), 10u);
    EXPECT_EQ(listing.lines[0], "  1001/01/20   0 (12.6) *");
    EXPECT_EQ(listing.courseNames[0], "Initial Handicap");
}

TEST(HandicapIndex, StartingHandicapFillsWhatRealRoundsLeaveOfTheWindow) {
    GolfData data;
    const long initial = data.addInitialRound(golfer, 30.0, 10);
    data.addRoundsNewestFirst(golfer, std::vector<double>(15, 10.0));
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), golfer, &listing);
    EXPECT_EQ(result.counted, 20);
    EXPECT_EQ(std::count(listing.recordNumbers.begin(), listing.recordNumbers.end(), initial), 5);
}

TEST(HandicapIndex, WindowCanEndInsideTheRepetitionsOfAStartingHandicap) {
    GolfData data;
    const long initial = data.addInitialRound(golfer, 5.0, 7);
    data.addRoundsNewestFirst(golfer, std::vector<double>(18, 20.0));
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), golfer, &listing);
    EXPECT_EQ(result.counted, 20);
    EXPECT_EQ(std::count(listing.recordNumbers.begin(), listing.recordNumbers.end(), initial), 2);
}

TEST(HandicapIndex, EarlyRowWithoutTheStartingFlagCountsOnce) {
    GolfData data;
    data.addRound({golfer, 1001, 1, 9, 8.0});
    const auto result = computeHandicapIndex(data.scores(), golfer);
    EXPECT_EQ(result.counted, 1);
}

TEST(HandicapIndex, DamagedStartingRowWithoutRoundCountStillCountsOnce) {
    GolfData data;
    const long record = data.addInitialRound(golfer, 10.0, 1);
    ASSERT_EQ(data.scores().goTo(record), 0);
    data.scores().record().day = 0;
    ASSERT_EQ(data.scores().change(), 0);
    EXPECT_EQ(computeHandicapIndex(data.scores(), golfer).counted, 1);
}

} // namespace
} // namespace kip::handicap
