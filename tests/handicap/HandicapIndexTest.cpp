#include "handicap/HandicapIndex.h"
#include "GolfData.h"

#include <algorithm>

namespace kip::handicap {
namespace {

using testing::GolfData;

const std::string ike = "Okonkwo, Ike";

std::vector<long> usedRecords(const HandicapListing& listing) {
    std::vector<long> used;
    for (std::size_t i = 0; i < listing.size(); ++i)
        if (listing.lines[i].ends_with(" *"))
            used.push_back(listing.recordNumbers[i]);
    return used;
}

long countOf(const HandicapListing& listing, long record) {
    return std::count(listing.recordNumbers.begin(), listing.recordNumbers.end(), record);
}

TEST(HandicapIndex, WorkedExampleUsesTheTwoLowestAndMarksTheOlderOfEqualRounds) {
    GolfData data;
    const auto records = data.addRounds(ike, {14.2, 12.0, 16.5, 12.0, 18.1, 11.3, 15.0, 13.7});
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), ike, &listing);
    EXPECT_EQ(result.counted, 8);
    EXPECT_NEAR(result.index, 11.134, 1e-9);
    ASSERT_EQ(listing.size(), 8u);
    ASSERT_EQ(listing.courseNames.size(), 8u);
    EXPECT_EQ(std::vector<long>(listing.recordNumbers.begin(), listing.recordNumbers.begin() + 3),
              (std::vector<long>{records[5], records[3], records[1]}));
    EXPECT_EQ(usedRecords(listing), (std::vector<long>{records[5], records[3]}));
}

TEST(HandicapIndex, OnlyTheTwentyNewestRoundsCount) {
    GolfData data;
    std::vector<double> differentials(25, 20.0);
    std::fill(differentials.begin() + 20, differentials.end(), 1.0); // the five oldest would be lowest
    data.addRounds(ike, differentials);
    const auto result = computeHandicapIndex(data.scores(), ike);
    EXPECT_EQ(result.counted, 20);
    EXPECT_NEAR(result.index, 20.0 * 0.96 - 0.05, 1e-9);
}

TEST(HandicapIndex, ActiveRuleDecidesHowManyOfTheLowestAreAveraged) {
    GolfData data;
    data.addRounds(ike, {7.0, 1.0, 6.0, 2.0, 5.0, 3.0, 4.0});
    const std::pair<int, double> rules[] = {{0, 1.5}, {1, 2.5}, {2, 4.0}, {5, 1.5}}; // 5: unknown, as 0
    for (const auto& [rule, average] : rules) {
        data.scores().selectRoundsUsedTable(rule);
        EXPECT_NEAR(computeHandicapIndex(data.scores(), ike).index, average * 0.96 - 0.05, 1e-9) << rule;
    }
    data.addRounds("Mulligan", {15.0});
    EXPECT_NEAR(computeHandicapIndex(data.scores(), "Mulligan").index, 15.0 * 0.96 - 0.05, 1e-9);
}

TEST(HandicapIndex, TenthIsSubtractedOnlyFromPositiveIndexes) {
    GolfData data;
    data.addRounds(ike, {-1.0});
    data.addRounds("Abernathy, Claire", {0.0});
    data.addRounds("Zielinski, Walt", {0.0, 0.0, 0.1});
    EXPECT_NEAR(computeHandicapIndex(data.scores(), ike).index, -0.96, 1e-9);
    EXPECT_EQ(computeHandicapIndex(data.scores(), "Abernathy, Claire").index, 0.0);
    data.scores().selectRoundsUsedTable(2);
    const double justAboveZero = computeHandicapIndex(data.scores(), "Zielinski, Walt").index;
    EXPECT_NEAR(justAboveZero, 0.1 / 3 * 0.96 - 0.05, 1e-9);
    std::array<char, 16> shown{};
    std::snprintf(shown.data(), shown.size(), "%4.1f", justAboveZero);
    EXPECT_STREQ(shown.data(), "-0.0");
}

TEST(HandicapIndex, RoundsOfOtherGolfersNeverCount) {
    GolfData data;
    data.addRounds("Smith, Al", {10.0, 11.0});
    data.addRounds("Smith, Alan", {1.0, 1.0, 1.0});
    data.addRounds("Smith, A", {2.0});
    const auto al = computeHandicapIndex(data.scores(), "Smith, Al");
    EXPECT_EQ(al.counted, 2);
    EXPECT_NEAR(al.index, 10.0 * 0.96 - 0.05, 1e-9);
    for (const char* nobody : {"Smith, Ala", "Aa, Nobody", "Zz, Nobody"}) {
        const auto none = computeHandicapIndex(data.scores(), nobody);
        EXPECT_EQ(none.counted, 0) << nobody;
        EXPECT_EQ(none.index, 0.0) << nobody;
    }
}

TEST(HandicapIndex, StartingHandicapCountsOncePerRoundItStandsFor) {
    GolfData data;
    const long twenty = data.addInitialRound(ike, 12.0, 20);
    HandicapListing listing;
    const auto alone = computeHandicapIndex(data.scores(), ike, &listing);
    EXPECT_EQ(alone.counted, 20);
    EXPECT_NEAR(alone.index, 12.6 * 0.96 - 0.05, 1e-9); // 12.046: the starting 12.0 back
    EXPECT_EQ(countOf(listing, twenty), 20);
    EXPECT_EQ(usedRecords(listing).size(), 10u);
    EXPECT_EQ(listing.lines[0], "  1001/01/20   0 (12.6) *");
    EXPECT_EQ(listing.courseNames[0], "Initial Handicap");

    const long ten = data.addInitialRound("Mulligan", 30.0, 10);
    data.addRounds("Mulligan", std::vector<double>(15, 10.0));
    listing.clear();
    EXPECT_EQ(computeHandicapIndex(data.scores(), "Mulligan", &listing).counted, 20);
    EXPECT_EQ(countOf(listing, ten), 5) << "fills only what real rounds leave";

    const long seven = data.addInitialRound("Dunmore, Pat", 5.0, 7);
    data.addRounds("Dunmore, Pat", std::vector<double>(18, 20.0));
    listing.clear();
    EXPECT_EQ(computeHandicapIndex(data.scores(), "Dunmore, Pat", &listing).counted, 20);
    EXPECT_EQ(countOf(listing, seven), 2) << "the window ends inside the repetitions";
}

TEST(HandicapIndex, EarlyRowsWithoutUsableRoundCountCountOnceEach) {
    GolfData data;
    const long plain = data.addRound({ike, 1000, 1, 1, 8.0}); // no starting-handicap flag
    const long damaged = data.addInitialRound(ike, 10.0, 1);
    ASSERT_EQ(data.scores().goTo(damaged), 0);
    data.scores().record().day = -3;
    ASSERT_EQ(data.scores().change(), 0);
    HandicapListing listing;
    EXPECT_EQ(computeHandicapIndex(data.scores(), ike, &listing).counted, 2);
    EXPECT_EQ(listing.recordNumbers, (std::vector<long>{plain, damaged}));
}

} // namespace
} // namespace kip::handicap
