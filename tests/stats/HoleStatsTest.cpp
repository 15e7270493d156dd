#include "StatsData.h"

#include "stats/CFairways.h"
#include "stats/CHoleStats.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

// Par 3 on holes 3, 8, 12, 16; par 5 on holes 2, 9, 13, 18; par 4 elsewhere.
Holes mixedCourse() {
    Holes holes = parHoles();
    for (int h : {3, 8, 12, 16})
        holes[static_cast<std::size_t>(h - 1)] = {3, 3, 2};
    for (int h : {2, 9, 13, 18})
        holes[static_cast<std::size_t>(h - 1)] = {5, 5, 2};
    return holes;
}

AppliedLimits holeLimit(int hole) {
    AppliedLimits limits;
    limits.courseLimited = true;
    limits.courseName = "Alder Run";
    limits.hole = hole;
    return limits;
}

template <class Stats> Stats statsOf(StatsData& data, AppliedLimits limits = {}) {
    Stats stats;
    stats.subject.setGolfer("Hogan, Ben");
    stats.subject.limits = limits;
    stats.compute(data.scores(), &data.cursor);
    return stats;
}

TEST(HoleStats, ColumnsByParType) {
    StatsData data;
    Holes holes = mixedCourse();
    holes[2] = {3, 1, 0, false, true};  // hole in one: counted in holes, strokes and putts, no class
    holes[7] = {3, 4, 2, false, true};  // bogey
    holes[1] = {5, 4, 1, true, false};  // birdie
    holes[8] = {5, 3, 1, true, true};   // eagle
    holes[0] = {4, 6, 3, true, false};  // double
    holes[3] = {4, 8, 3, false, false}; // others
    data.addDetail({}, holes);
    const auto stats = statsOf<CHoleStats>(data);
    EXPECT_EQ(stats.detailRounds(), "1");
    EXPECT_EQ(stats.cell(AvgScore, 0), " 2.8 "); // 11 / 4
    EXPECT_EQ(stats.cell(AvgPutts, 0), " 1.5 ");
    EXPECT_EQ(stats.cell(Pars, 0), "50.0%");
    EXPECT_EQ(stats.cell(Bogeys, 0), "25.0%");
    EXPECT_EQ(stats.cell(Eagles, 0), " 0.0%");
    EXPECT_EQ(stats.cell(Others, 0), " 0.0%");
    EXPECT_EQ(stats.cell(Greens, 0), "50.0%");
    EXPECT_EQ(stats.cell(FairwaysHit, 0), " 0.0%");
    EXPECT_EQ(stats.cell(Eagles, 2), "25.0%");
    EXPECT_EQ(stats.cell(Birdies, 2), "25.0%");
    EXPECT_EQ(stats.cell(FairwaysHit, 2), "50.0%");
    EXPECT_EQ(stats.cell(AvgScore, 2), " 4.2 "); // 17 / 4
    EXPECT_EQ(stats.cell(Doubles, 1), "10.0%");
    EXPECT_EQ(stats.cell(Others, 1), "10.0%");
    EXPECT_EQ(stats.cell(Pars, 1), "80.0%");
    EXPECT_EQ(stats.cell(FairwaysHit, 1), "10.0%");
    EXPECT_EQ(stats.averageScore(), "74.0");
    EXPECT_EQ(stats.puttsPerRound(), "34.0");
}

TEST(HoleStats, NinesAgainstParCarryTheirSign) {
    StatsData data;
    Holes first = parHoles();
    first[0].strokes = 7;  // +3 on the front
    first[10].strokes = 2; // -2 on the back
    Holes second = parHoles();
    second[1].strokes = 6;  // +2 on the front
    second[11].strokes = 3; // -1 on the back
    data.addDetail({.day = 1}, first);
    data.addDetail({.day = 2}, second);
    const auto stats = statsOf<CHoleStats>(data);
    EXPECT_EQ(stats.frontNine(), "+ 2.5");
    EXPECT_EQ(stats.backNine(), " -1.5");
}

TEST(HoleStats, OneChosenHole) {
    StatsData data;
    Holes holes = mixedCourse();
    holes[6] = {4, 6, 3};
    data.addDetail({.day = 1}, holes);
    holes[6] = {4, 5, 1};
    data.addDetail({.day = 2}, holes);
    const auto stats = statsOf<CHoleStats>(data, holeLimit(7));
    EXPECT_EQ(stats.averageScore(), " 5.5");
    EXPECT_EQ(stats.puttsPerRound(), "N/A");
    EXPECT_EQ(stats.frontNine(), "+ 1.5");
    EXPECT_EQ(stats.backNine(), "  0.0");
    EXPECT_EQ(stats.cell(AvgScore, 0), "");
    EXPECT_EQ(stats.cell(AvgScore, 1), " 5.5 ");
    EXPECT_EQ(stats.cell(AvgScore, 2), "");
    EXPECT_EQ(stats.firstHeading(), "Alder Run for Hole Number 7");
}

TEST(HoleStats, HolesOfOtherParsFallInNoColumn) {
    StatsData data;
    Holes holes = parHoles();
    holes[0] = {6, 6, 2};
    data.addDetail({}, holes);
    const auto stats = statsOf<CHoleStats>(data);
    EXPECT_EQ(stats.cell(Pars, 1), "100.0%");
    EXPECT_EQ(stats.cell(AvgScore, 1), " 4.0 ");
    EXPECT_EQ(stats.averageScore(), "74.0");
}

TEST(HoleStats, TotalOnlyRoundsLeaveEveryValueEmpty) {
    StatsData data;
    data.addTotalOnly({}, 80);
    const auto stats = statsOf<CHoleStats>(data);
    EXPECT_EQ(stats.detailRounds(), "");
    EXPECT_EQ(stats.averageScore(), "");
    EXPECT_EQ(stats.puttsPerRound(), "");
    EXPECT_EQ(stats.frontNine(), "");
    EXPECT_EQ(stats.cell(Pars, 1), "");
    EXPECT_EQ(data.cursor.depth, 0);
    EXPECT_EQ(data.cursor.begun, 1);
}

TEST(HoleStats, NoPuttsShowThreeBlanksAndZero) {
    StatsData data;
    data.addDetail({}, parHoles(4, 4, 0));
    EXPECT_EQ(statsOf<CHoleStats>(data).puttsPerRound(), "   0.0");
}

TEST(HoleStats, PrintLines) {
    StatsData data;
    data.addDetail({}, mixedCourse());
    AppliedLimits limits = holeLimit(0);
    limits.scoreGreater = true;
    limits.scoreBound = 60;
    const auto stats = statsOf<CHoleStats>(data, limits);
    std::vector<std::string> texts;
    std::vector<int> advances;
    for (const auto& line : stats.printLines()) {
        texts.push_back(line.text);
        advances.push_back(line.advance);
    }
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 9),
                ElementsAre("Statistics by Hole Type for Ben Hogan", "Alder Run", "Using Only Scores > 60",
                            "      Detail Rounds      1",
                            "      Average Score     72.0  Putts per Round    36.0",
                            "      Front 9 vs Par     0.0  Back 9 vs Par       0.0",
                            "                      Par 3   Par 4   Par 5",
                            "Avg Score               3.0     4.0     5.0 ",
                            "Avg Putts               2.0     2.0     2.0 "));
    EXPECT_EQ(texts[9], "Greens                  0.0%    0.0%    0.0%");
    EXPECT_EQ(texts[16], "Others                  0.0%    0.0%    0.0%");
    EXPECT_THAT(std::vector<int>(advances.begin(), advances.begin() + 7), ElementsAre(2, 2, 2, 1, 1, 2, 1));
}

TEST(Fairways, PercentagesDropTheRemainder) {
    StatsData data;
    Holes holes = parHoles();
    for (std::size_t h = 0; h < 11; ++h)
        holes[h] = {3, 3, 2};
    holes[11] = {4, 3, 1, true, true};  // fairway, green, birdie
    holes[12] = {4, 4, 2, true, true};  // fairway, green, par
    holes[13] = {4, 5, 3, true, false}; // fairway, bogey
    holes[0] = {3, 4, 2, false, true};  // green in regulation with a bogey
    data.addDetail({}, holes);
    const auto stats = statsOf<CFairways>(data);
    EXPECT_THAT(stats.fairwayTexts(), ElementsAre("7", "3(42%)", "2(66%)", "1", "1", "66%"));
    EXPECT_THAT(stats.greenTexts(), ElementsAre("18", "3(16%)", "1.7", "1", "1", "66%"));
    EXPECT_EQ(stats.title(), "Stats for Ben Hogan");
}

TEST(Fairways, RoundsOutOfFairwayStatsAndTotalOnlyRoundsContributeNothing) {
    StatsData data;
    Holes holes = parHoles();
    for (auto& h : holes)
        h.fairway = h.green = true;
    data.addDetail({}, holes, golfdb::flagNoFairwayStats);
    data.addTotalOnly({.day = 2}, 80);
    const auto stats = statsOf<CFairways>(data);
    EXPECT_THAT(stats.fairwayTexts(), ElementsAre("", "", "", "", "", ""));
    EXPECT_THAT(stats.greenTexts(), ElementsAre("", "", "", "", "", ""));
}

TEST(Fairways, ChosenParThreeHoleFillsOnlyTheGreenRow) {
    StatsData data;
    Holes holes = parHoles();
    holes[2] = {3, 3, 2, false, true};
    data.addDetail({}, holes);
    const auto stats = statsOf<CFairways>(data, holeLimit(3));
    EXPECT_THAT(stats.fairwayTexts(), ElementsAre("0", "0( 0%)", "0( 0%)", "0", "0", "0%"));
    EXPECT_THAT(stats.greenTexts(), ElementsAre("1", "1(100%)", "2.0", "0", "1", "100%"));
    EXPECT_EQ(stats.title(), "Stats for Ben Hogan on Alder Run");
    EXPECT_THAT(stats.lines(),
                ElementsAre("Stats for Ben Hogan on Alder Run", "When Your Drive Lands in the Fairway:",
                            CFairways::fairwayHeader(), "0\t0( 0%)\t0( 0%)\t0\t0\t0%",
                            "When You Hit the Green in Regulation:", CFairways::greenHeader(),
                            "1\t1(100%)\t2.0\t0\t1\t100%"));
}

} // namespace
