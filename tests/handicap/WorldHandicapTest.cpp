#include "handicap/WorldHandicap.h"

#include <gtest/gtest.h>

namespace kip::handicap::whs {
namespace {

TEST(WorldHandicapRounding, HalvesGoTowardPlusInfinity) {
    EXPECT_EQ(roundHalfUp(-15, 10), -1); // -1.5 -> -1
    EXPECT_EQ(roundHalfUp(145, 10), 15); // 14.5 -> 15
    EXPECT_EQ(roundHalfUp(-16, 10), -2);
    EXPECT_EQ(roundHalfUp(-14, 10), -1);
    EXPECT_EQ(roundHalfUp(7, 2), 4);
}

TEST(WorldHandicapRounding, DifferentialHalvesThatDoublesGetWrong) {
    // slope 226 halves every tenth: 113 / 226 x (gross - rating).
    EXPECT_EQ(scoreDifferential(130, 717, 226, 0).tenths(), 292); // 29.15 -> 29.2
    EXPECT_EQ(scoreDifferential(92, 709, 226, 0).tenths(), 106);  // 10.55 -> 10.6
    EXPECT_EQ(scoreDifferential(70, 731, 226, 0).tenths(), -15);  // -1.55 -> -1.5
    EXPECT_EQ(scoreDifferential(70, 729, 226, 0).tenths(), -14);  // -1.45 -> -1.4
}

TEST(WorldHandicapCourseHandicap, IndexBySlopePlusRatingLessParRoundedHalfUp) {
    EXPECT_EQ(courseHandicap(124, 131, 718, 72), 14); // 14.175...
    EXPECT_EQ(courseHandicap(-15, 113, 720, 72), -1); // -1.5
    EXPECT_EQ(courseHandicap(145, 113, 720, 72), 15); // 14.5
    EXPECT_EQ(courseHandicap(0, 113, 705, 72), -1);   // rating 1.5 under par: -1.5 -> -1
    EXPECT_EQ(courseHandicap(100, 0, 720, 72), 10) << "no slope counts as 113";
}

TEST(WorldHandicapHoleMaximum, NetDoubleBogeyByStrokeIndex) {
    EXPECT_EQ(holeMaximum(4, std::nullopt, 1), 9) << "par + 5 without an index";
    EXPECT_EQ(holeMaximum(4, 14, 1), 7);
    EXPECT_EQ(holeMaximum(4, 14, 14), 7);
    EXPECT_EQ(holeMaximum(4, 14, 15), 6);
    EXPECT_EQ(holeMaximum(3, 14, 18), 5);
    EXPECT_EQ(holeMaximum(4, 20, 2), 8); // 1 everywhere, 2 more on SI 1 and 2
    EXPECT_EQ(holeMaximum(4, 20, 3), 7);
    EXPECT_EQ(holeMaximum(4, 36, 18), 8);
    // A plus handicap gives strokes back from stroke index 18 downwards.
    EXPECT_EQ(holeMaximum(4, -2, 18), 5);
    EXPECT_EQ(holeMaximum(4, -2, 17), 5);
    EXPECT_EQ(holeMaximum(4, -2, 16), 6);
    // Without stroke indexes every hole receives ceil(C / 18); a plus handicap gives none back.
    EXPECT_EQ(holeMaximum(4, 19, noStrokeIndex), 8);
    EXPECT_EQ(holeMaximum(4, 18, noStrokeIndex), 7);
    EXPECT_EQ(holeMaximum(4, 0, noStrokeIndex), 6);
    EXPECT_EQ(holeMaximum(4, -3, noStrokeIndex), 6);
}

PlayedRound workedExampleRound() {
    // Tee par 72 (four par 3s, four par 5s), rating 71.8, slope 131, PCC +1.
    PlayedRound round;
    round.slope = 131;
    round.ratingTenths = 718;
    round.pcc = 1;
    const std::array<std::int8_t, 19> par = {0, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
    const std::array<std::int8_t, 19> si = {0, 1, 11, 17, 7, 3, 13, 15, 5, 9, 2, 10, 18, 6, 4, 12, 14, 8, 16};
    round.par = par;
    round.strokeIndex = si;
    for (int hole = 1; hole <= 18; ++hole)
        round.strokes[static_cast<std::size_t>(hole)] = par[static_cast<std::size_t>(hole)] + 1;
    round.strokes[1] = 9;  // par 4, stroke index 1: counts 7
    round.strokes[12] = 6; // par 3, stroke index 18: counts 5
    return round;
}

TEST(WorldHandicapWorkedExample, AdjustedGrossAndDifferential) {
    PlayedRound round = workedExampleRound();
    int gross = 0;
    for (const int s : round.strokes)
        gross += s;
    // Two holes over the maximum by 2 and 1; make the rest add up to the example's 97.
    round.strokes[5] = static_cast<std::int8_t>(round.strokes[5] + 97 - gross);
    EXPECT_EQ(adjustedGross(round, 124), 94);
    EXPECT_EQ(scoreDifferential(94, 718, 131, 1).tenths(), 183); // 18.287...
    round.totalOnly = true;
    round.total = 97;
    EXPECT_EQ(adjustedGross(round, 124), 97) << "a typed total is its own adjusted gross";
}

TEST(WorldHandicapIndex, RowsOfTheTableForThreeToTwentyDifferentials) {
    const std::array<IndexRow, 21> expected = {{{},     {},     {},     {1, -20}, {1, -10}, {1, 0}, {2, -10},
                                                {2, 0}, {2, 0}, {3, 0}, {3, 0},   {3, 0},   {4, 0}, {4, 0},
                                                {4, 0}, {5, 0}, {5, 0}, {6, 0},   {6, 0},   {7, 0}, {8, 0}}};
    for (int k = 3; k <= 20; ++k) {
        EXPECT_EQ(indexRow(k).used, expected[static_cast<std::size_t>(k)].used) << k;
        EXPECT_EQ(indexRow(k).adjustment, expected[static_cast<std::size_t>(k)].adjustment) << k;
    }
    EXPECT_EQ(averagedIndex({100, 200}), std::nullopt);
    EXPECT_EQ(averagedIndex({150, 100, 200}), 80);               // 10.0 - 2.0
    EXPECT_EQ(averagedIndex({150, 100, 200, 90}), 80);           // 9.0 - 1.0
    EXPECT_EQ(averagedIndex({150, 101, 200, 90, 120, 300}), 86); // (9.0 + 10.1) / 2 = 9.55 -> 9.6, - 1.0
    EXPECT_EQ(averagedIndex({600, 600, 600, 600, 600}), 540) << "at most 54.0";
}

TEST(WorldHandicapIndex, WorkedExampleOfTwentyAndItsCaps) {
    const std::vector<int> twenty = {142, 178, 129, 165, 193, 137, 151, 184, 122, 206,
                                     160, 148, 133, 171, 214, 156, 126, 189, 169, 144};
    EXPECT_EQ(averagedIndex(twenty), 135); // 13.5125
    EXPECT_EQ(capped(135, 96).tenths, 131);
    EXPECT_TRUE(capped(135, 96).softCapped);
    EXPECT_EQ(capped(135, 60).tenths, 110);
    EXPECT_TRUE(capped(135, 60).hardCapped);
    EXPECT_EQ(capped(116, 65).tenths, 106);
    EXPECT_EQ(capped(182, 102).tenths, 152);
    EXPECT_EQ(capped(134, 100).tenths, 132);
    EXPECT_EQ(capped(130, 100).tenths, 130) << "3.0 above the low index is not capped";
    EXPECT_FALSE(capped(130, 100).softCapped);
}

TEST(WorldHandicapIndex, InitialHandicapRowGivesTheStartingIndexBack) {
    EXPECT_EQ(initialDifferential(126), 120); // 12.6 x 0.96 - 0.05 = 12.046
    EXPECT_EQ(initialDifferential(0), 0);
    EXPECT_EQ(initialDifferential(-20), -19); // -1.92, nothing subtracted
    EXPECT_EQ(initialDifferential(11), 10);   // 1.056 - 0.05 = 1.006
}

TEST(WorldHandicapIndex, ExceptionalScoreReductionByDistanceBelowTheIndex) {
    // slope 113: the unrounded differential is exactly adjusted gross - rating; the index is 20.0.
    const auto below = [](int ratingTenths) {
        return exceptionalReduction(200, scoreDifferential(80, ratingTenths, 113, 0));
    };
    EXPECT_EQ(below(669), 0);  // 13.1: 6.9 below
    EXPECT_EQ(below(670), 10); // 13.0: 7.0 below
    EXPECT_EQ(below(699), 10); // 10.1: 9.9 below
    EXPECT_EQ(below(700), 20); // 10.0: 10.0 below
    // The unrounded value decides: 113 / 131 x 11.6 = 10.006... rounds to 10.0 but is 9.99... below 20.0.
    EXPECT_EQ(exceptionalReduction(200, scoreDifferential(80, 684, 131, 0)), 10);
}

PlayedRound totalRound(long day, int total, int ratingTenths = 700) {
    PlayedRound round;
    round.day = day;
    round.totalOnly = true;
    round.total = total;
    round.ratingTenths = ratingTenths;
    return round;
}

TEST(WorldHandicapReplay, IndexInEffectStartsAfterThreeDifferentialsOfEarlierDays) {
    Replay replay;
    replay.play({totalRound(10, 80), totalRound(11, 82), totalRound(12, 84), totalRound(12, 86)});
    ASSERT_EQ(replay.days().size(), 3u);
    EXPECT_FALSE(replay.days()[1].index);
    EXPECT_EQ(replay.days()[2].index, 90); // four: the lowest, 10.0, less 1.0
    EXPECT_EQ(replay.counted(), 4);
}

TEST(WorldHandicapReplay, ExceptionalScoreReducesItAndTheNineteenBeforeIt) {
    std::vector<PlayedRound> rounds;
    for (int i = 0; i < 25; ++i)
        rounds.push_back(totalRound(i, 95)); // 25.0 each
    rounds.push_back(totalRound(30, 84));    // 14.0: 11.0 below the index in effect
    Replay replay;
    replay.play(rounds);
    const auto& record = replay.record();
    ASSERT_EQ(record.size(), 26u);
    EXPECT_EQ(record[25].reduction, 20);
    EXPECT_EQ(record[6].reduction, 20);
    EXPECT_EQ(record[5].reduction, 0) << "only the 19 before it";
    EXPECT_EQ(replay.index(), 216); // (12.0 + 7 x 23.0) / 8 = 21.625
}

} // namespace
} // namespace kip::handicap::whs
