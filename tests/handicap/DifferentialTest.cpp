#include "handicap/Differential.h"
#include "GolfData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kip::handicap {
namespace {

// A hole-by-hole round on par-4 holes, every hole played in `strokes`, with the given course handicap.
golfdb::ScoreRecord roundOf(int strokes, int courseHandicap) {
    golfdb::ScoreRecord round;
    round.golfer = "Okonkwo, Ike";
    round.name = "Alder Run";
    round.year = 2024;
    round.month = 6;
    round.day = 1;
    for (int hole = 1; hole <= 18; ++hole) {
        round.par[hole] = 4;
        round.strokes[hole] = static_cast<std::int8_t>(strokes);
    }
    round.yardage[0] = courseHandicap;
    round.flags = golfdb::flagCourseHandicap;
    return round;
}

// Stores the round and reads the differential back from HCINDEX.
double storedDifferential(testing::GolfData& data, const golfdb::ScoreRecord& round) {
    data.scores().record() = round;
    EXPECT_EQ(data.scores().add(), 0);
    const long record = data.scores().recordNumber();
    EXPECT_EQ(data.scores().goTo(record), 0);
    return data.scores().record().differential;
}

TEST(StrokeControl, CapsFollowTheCourseHandicapBands) {
    EXPECT_EQ(strokeCap(-3, 5), 7);
    EXPECT_EQ(strokeCap(9, 3), 5);
    EXPECT_EQ(strokeCap(10, 3), 7);
    EXPECT_EQ(strokeCap(19, 5), 7);
    EXPECT_EQ(strokeCap(20, 5), 8);
    EXPECT_EQ(strokeCap(29, 5), 8);
    EXPECT_EQ(strokeCap(30, 5), 9);
    EXPECT_EQ(strokeCap(39, 5), 9);
    EXPECT_EQ(strokeCap(40, 5), 10);
    EXPECT_EQ(strokeCap(54, 5), 10);
}

TEST(StrokeControl, AdjustsOnlyHolesAboveTheCap) {
    auto round = roundOf(4, 9);
    round.strokes[3] = 8;  // par 4, cap 6: two off
    round.strokes[18] = 6; // at the cap
    EXPECT_EQ(adjustedGross(round, 80.0, true), 78.0);

    round.yardage[0] = 10; // cap 7: one off
    EXPECT_EQ(adjustedGross(round, 80.0, true), 79.0);
    round.yardage[0] = 40; // cap 10: nothing off
    EXPECT_EQ(adjustedGross(round, 80.0, true), 80.0);
}

TEST(StrokeControl, GolferWithoutHandicapIsCappedAtTenWhateverTheCourseHandicap) {
    auto round = roundOf(4, 2);
    round.strokes[1] = 12;
    round.strokes[2] = 9;
    EXPECT_EQ(adjustedGross(round, 90.0, false), 88.0);
    EXPECT_EQ(adjustedGross(round, 90.0, true), 90.0 - 6 - 3);
}

TEST(StrokeControl, NegativeCourseHandicapUsesDoubleBogey) {
    auto round = roundOf(4, -2);
    round.par[7] = 3;
    round.strokes[7] = 6; // cap 5
    EXPECT_EQ(adjustedGross(round, 75.0, true), 74.0);
}

TEST(StrokeControl, SlotZeroIsNeverAHole) {
    auto round = roundOf(4, 9);
    round.strokes[0] = 50;
    EXPECT_EQ(adjustedGross(round, 72.0, true), 72.0);
}

TEST(Differential, WorkedExampleIsStoredWithOneDecimal) {
    testing::GolfData data;
    auto round = roundOf(5, 12); // 90 strokes, cap 7 leaves them alone
    round.totalStrokes = 85;
    const double differential = computeDifferential(round, 128, 20, true, false, 71.2);
    EXPECT_NEAR(differential, (85 - 71.2) * (113.0 / 128), 1e-12);
    EXPECT_EQ(round.differential, differential);
    EXPECT_DOUBLE_EQ(storedDifferential(data, round), 12.2);
}

TEST(Differential, NewHoleByHoleRoundIsAdjusted) {
    auto round = roundOf(4, 9);
    round.strokes[1] = 9; // cap 6 with a handicap, 10 without
    round.totalStrokes = 77;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 113, 5, false, false, 70.0), 74.0 - 70.0);
    EXPECT_DOUBLE_EQ(computeDifferential(round, 113, 0, false, false, 70.0), 77.0 - 70.0);
}

TEST(Differential, TotalOnlyRoundIsNeverAdjusted) {
    auto round = roundOf(0, 30);
    round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats | golfdb::flagCourseHandicap;
    round.totalStrokes = 120;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 113, 10, true, false, 72.0), 48.0);
}

TEST(Differential, ChangedRoundIsAdjustedOnlyWhenItCarriesACourseHandicap) {
    auto round = roundOf(4, 9);
    round.strokes[1] = 9;
    round.totalStrokes = 77;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 113, 5, false, true, 70.0), 4.0);
    round.flags = 0;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 113, 5, false, true, 70.0), 7.0);
}

TEST(Differential, MissingTotalIsTheSumOfTheStrokes) {
    auto round = roundOf(5, 40);
    round.totalStrokes = 0;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 113, 5, false, false, 72.0), 18.0);
    EXPECT_EQ(round.totalStrokes, 90);
}

TEST(Differential, OutOfRangeValuesAreStoredAtTheLimitsNotAsAsterisks) {
    testing::GolfData data;
    auto high = roundOf(0, 0);
    high.flags = golfdb::flagTotalOnly;
    high.totalStrokes = 250;
    EXPECT_DOUBLE_EQ(computeDifferential(high, 60, 10, true, false, 68.0), 99.9);
    EXPECT_DOUBLE_EQ(storedDifferential(data, high), 99.9);

    auto low = high;
    low.totalStrokes = 50;
    low.day = 2;
    EXPECT_DOUBLE_EQ(computeDifferential(low, 155, 10, true, false, 72.0), -9.9);
    EXPECT_DOUBLE_EQ(storedDifferential(data, low), -9.9);
}

TEST(Differential, SlopeWithoutValueCountsAsStandardDifficulty) {
    auto round = roundOf(0, 0);
    round.flags = golfdb::flagTotalOnly;
    round.totalStrokes = 90;
    const double zero = computeDifferential(round, 0, 10, true, false, 72.0);
    EXPECT_TRUE(std::isfinite(zero));
    EXPECT_DOUBLE_EQ(zero, 18.0);
    EXPECT_DOUBLE_EQ(computeDifferential(round, -40, 10, true, false, 72.0), 18.0);
}

TEST(Differential, NotANumberIsNeverStored) {
    EXPECT_EQ(storableDifferential(std::nan("")), 0.0);
    EXPECT_EQ(storableDifferential(HUGE_VAL), 99.9);
    EXPECT_EQ(storableDifferential(-HUGE_VAL), -9.9);
}

TEST(InitialHandicapRound, DifferentialReproducesTheStartingIndex) {
    EXPECT_NEAR(initialHandicapDifferential(12.0), 12.55, 1e-12);
    EXPECT_EQ(initialHandicapDifferential(0.0), 0.0);
    EXPECT_NEAR(initialHandicapDifferential(-1.92), -2.0, 1e-12); // no 0.05 below zero
    EXPECT_EQ(initialHandicapDifferential(97.0), 99.9);
}

TEST(InitialHandicapRound, RowHoldsTheFixedContent) {
    testing::GolfData data;
    golfdb::ScoreRecord round;
    round.totalStrokes = 99; // cleared first
    buildInitialHandicapRound(round, "Okonkwo, Ike", 12.0, 20);
    data.scores().record() = round;
    ASSERT_EQ(data.scores().add(), 0);
    ASSERT_EQ(data.scores().findNewest("Okonkwo, Ike"), 0);
    const auto& stored = data.scores().record();
    EXPECT_EQ(stored.name, "Initial Handicap");
    EXPECT_EQ(stored.tee, "N/A");
    EXPECT_EQ(stored.slope, 113);
    EXPECT_EQ(stored.rating, 0.0);
    EXPECT_EQ(stored.par[0], 0);
    EXPECT_EQ(stored.par[1], 4);
    EXPECT_EQ(stored.par[18], 4);
    EXPECT_EQ(stored.yardage[0], 0);
    EXPECT_EQ(stored.totalStrokes, 0);
    EXPECT_EQ(stored.flags, 0x92);
    EXPECT_EQ(stored.dateText(), "10010120");
    EXPECT_DOUBLE_EQ(stored.differential, 12.6);
    EXPECT_TRUE(data.scores().isInitialHandicapRound());
    EXPECT_FALSE(data.scores().record().loadPoints().pointsRound);
}

} // namespace
} // namespace kip::handicap
