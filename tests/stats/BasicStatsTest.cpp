#include "StatsData.h"

#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

CBasicStats basicOf(StatsData& data, const std::string& golfer = "Hogan, Ben", AppliedLimits limits = {}) {
    CBasicStats stats;
    stats.subject.setGolfer(golfer);
    stats.subject.limits = limits;
    stats.compute(data.scores(), &data.cursor);
    return stats;
}

AppliedLimits dates(const std::string& from, const std::string& to) {
    AppliedLimits limits;
    limits.datesLimited = true;
    limits.fromKey = from;
    limits.toKey = to;
    return limits;
}

TEST(BasicStats, TotalOnlyRoundsFillOnlyAverageAndRounds) {
    StatsData data;
    data.addTotalOnly({}, 90);
    data.addTotalOnly({.day = 2}, 85);
    const CBasicStats stats = basicOf(data);
    EXPECT_EQ(stats.texts().averageScore, "87.5");
    EXPECT_EQ(stats.texts().totalRounds, "2");
    EXPECT_EQ(stats.texts().detailRounds, "");
    EXPECT_EQ(stats.texts().puttsPerRound, "");
    EXPECT_EQ(stats.texts().fairwaysHit, "");
    EXPECT_EQ(stats.texts().pars, "");
    EXPECT_EQ(data.cursor.begun, 1);
    EXPECT_EQ(data.cursor.depth, 0);
}

TEST(BasicStats, EveryHoleInParWithTwoPutts) {
    StatsData data;
    data.addDetail({}, parHoles());
    const BasicTexts t = basicOf(data).texts();
    EXPECT_EQ(t.pars, "100.0%");
    EXPECT_EQ(t.puttsPerRound, "36.0");
    EXPECT_EQ(t.birdies, " 0.0%");
    EXPECT_EQ(t.eagles, " 0.0%");
    EXPECT_EQ(t.averageScore, "72.0");
    EXPECT_EQ(t.detailRounds, "1");
    EXPECT_EQ(t.fairwaysHit, " 0.0%");
}

TEST(BasicStats, HoleInOneOnParThreeFallsInNoClass) {
    StatsData data;
    Holes holes = parHoles();
    holes[2] = {3, 1, 0};
    data.addDetail({}, holes);
    const BasicResults r = basicOf(data).results();
    EXPECT_DOUBLE_EQ(r.eagles, 0.0);
    EXPECT_DOUBLE_EQ(r.others, 0.0);
    EXPECT_NEAR(r.pars, 17 * 100.0 / 18, 1e-9);
    EXPECT_LT(r.eagles + r.birdies + r.pars + r.bogeys + r.doubles + r.others, 100.0);
}

TEST(BasicStats, EaglesDivideByLongerHolesOtherClassesByAllHoles) {
    StatsData data;
    Holes holes = parHoles(3, 3);
    for (int h = 0; h < 9; ++h)
        holes[static_cast<std::size_t>(h)] = {5, 5, 2};
    holes[0].strokes = 3; // eagle
    holes[1].strokes = 4; // birdie
    holes[2].strokes = 8; // others
    holes[3].strokes = 0; // no strokes: others too
    data.addDetail({}, holes);
    const BasicTexts t = basicOf(data).texts();
    EXPECT_EQ(t.eagles, "11.1%");
    EXPECT_EQ(t.birdies, " 5.6%");
    EXPECT_EQ(t.others, "11.1%");
    EXPECT_EQ(t.pars, "77.8%");
}

TEST(BasicStats, RoundOutOfFairwayStatsCountsEverywhereButFairwaysAndGreens) {
    StatsData data;
    Holes hit = parHoles();
    for (auto& h : hit)
        h.fairway = h.green = true;
    data.addDetail({.day = 1}, hit, golfdb::flagNoFairwayStats);
    Holes half = parHoles(4, 5, 3);
    for (std::size_t h = 0; h < 9; ++h)
        half[h].fairway = half[h].green = true;
    data.addDetail({.day = 2}, half);
    const CBasicStats stats = basicOf(data);
    EXPECT_EQ(stats.texts().fairwaysHit, "50.0%");
    EXPECT_EQ(stats.texts().greensInRegulation, "50.0%");
    EXPECT_EQ(stats.texts().detailRounds, "2");
    EXPECT_EQ(stats.texts().puttsPerRound, "45.0");
    EXPECT_EQ(stats.texts().pars, "50.0%");
    EXPECT_EQ(stats.texts().bogeys, "50.0%");
}

TEST(BasicStats, ParThreeHolesAreNoFairwayChancesButGreenChances) {
    StatsData data;
    Holes holes = parHoles();
    for (std::size_t h = 0; h < 6; ++h)
        holes[h] = {3, 3, 2, false, true};
    holes[6].fairway = true;
    data.addDetail({}, holes);
    const BasicResults r = basicOf(data).results();
    EXPECT_NEAR(r.fairwaysHit, 100.0 / 12, 1e-9);
    EXPECT_NEAR(r.greensInRegulation, 6 * 100.0 / 18, 1e-9);
}

TEST(BasicStats, RoundWithoutPuttsIsLeftOutOfPuttsPerRound) {
    StatsData data;
    data.addDetail({.day = 1}, parHoles(4, 4, 0));
    EXPECT_EQ(basicOf(data).texts().puttsPerRound, "  0.0");
    data.addDetail({.day = 2}, parHoles(4, 4, 2));
    EXPECT_EQ(basicOf(data).texts().puttsPerRound, "36.0");
}

TEST(BasicStats, ScoreBoundsAreStrict) {
    StatsData data;
    data.addTotalOnly({.day = 1}, 79);
    data.addTotalOnly({.day = 2}, 80);
    data.addTotalOnly({.day = 3}, 81);
    AppliedLimits greater;
    greater.scoreGreater = true;
    EXPECT_EQ(basicOf(data, "Hogan, Ben", greater).texts().averageScore, "81.0");
    AppliedLimits less;
    less.scoreLess = true;
    EXPECT_EQ(basicOf(data, "Hogan, Ben", less).texts().averageScore, "79.0");
    EXPECT_EQ(basicOf(data, "Hogan, Ben", less).texts().totalRounds, "1");
}

TEST(BasicStats, ScoreOfStoredZeroTotalIsTheSumOfTheHoles) {
    StatsData data;
    data.addDetail({.total = 0}, parHoles(4, 5));
    data.scores().record().totalStrokes = 0;
    ASSERT_EQ(data.scores().change(), 0);
    AppliedLimits greater;
    greater.scoreGreater = true;
    greater.scoreBound = 89;
    EXPECT_EQ(basicOf(data, "Hogan, Ben", greater).texts().averageScore, "90.0");
}

TEST(GolferWalk, DatesAreInclusiveAndAnOlderRoundEndsTheWalk) {
    StatsData data;
    data.addTotalOnly({.year = 2024, .month = 1, .day = 10}, 70);
    data.addTotalOnly({.year = 2024, .month = 1, .day = 20}, 80);
    data.addTotalOnly({.year = 2024, .month = 1, .day = 30}, 90);
    data.addTotalOnly({.year = 2024, .month = 2, .day = 1}, 100);
    EXPECT_EQ(basicOf(data, "Hogan, Ben", dates("20240120", "20240130")).texts().averageScore, "85.0");
    EXPECT_EQ(basicOf(data, "Hogan, Ben", dates("20240120", "20240120")).texts().averageScore, "80.0");
    EXPECT_EQ(basicOf(data, "Hogan, Ben", dates("20240111", "20240119")).texts().totalRounds, "");
    EXPECT_EQ(basicOf(data, "Hogan, Ben", dates("20230101", "20240109")).texts().totalRounds, "");
    EXPECT_EQ(basicOf(data, "Hogan, Ben", dates("20240110", "20991231")).texts().totalRounds, "4");
}

TEST(GolferWalk, NeverCountsAGolferWhoseNameStartsTheSame) {
    StatsData data;
    data.addTotalOnly({.golfer = "Hogan, Ben"}, 80);
    data.addTotalOnly({.golfer = "Hogan, Benjamin"}, 100);
    data.addTotalOnly({.golfer = "Hogan, Be"}, 60);
    EXPECT_EQ(basicOf(data, "Hogan, Ben").texts().averageScore, "80.0");
    EXPECT_EQ(basicOf(data, "Hogan, Benjamin").texts().averageScore, "100.0");
    EXPECT_EQ(basicOf(data, "Nobody, Here").texts().averageScore, "");
}

TEST(GolferWalk, CourseAndTeeLimitsCompareExactly) {
    StatsData data;
    data.addTotalOnly({.course = "Alder Run", .tee = "Blue"}, 80);
    data.addTotalOnly({.day = 2, .course = "Alder Run", .tee = "White"}, 90);
    data.addTotalOnly({.day = 3, .course = "alder run", .tee = "Blue"}, 100);
    AppliedLimits course;
    course.courseLimited = true;
    course.courseName = "Alder Run";
    EXPECT_EQ(basicOf(data, "Hogan, Ben", course).texts().averageScore, "85.0");
    course.teeLimited = true;
    course.teeName = "White";
    EXPECT_EQ(basicOf(data, "Hogan, Ben", course).texts().averageScore, "90.0");
}

TEST(GolferWalk, InitialHandicapRoundsAreNotCounted) {
    StatsData data;
    data.addTotalOnly({.year = 1001, .month = 1, .day = 10}, 0);
    data.addTotalOnly({}, 80);
    EXPECT_EQ(basicOf(data).texts().totalRounds, "1");
}

TEST(BasicStats, PrintLinesFollowTheDialog) {
    StatsData data;
    data.addDetail({}, parHoles());
    AppliedLimits limits = dates("20240101", "20241231");
    limits.fromYear = limits.toYear = 2024;
    limits.fromMonth = limits.fromDay = 1;
    limits.toMonth = 12;
    limits.toDay = 31;
    limits.scoreLess = true;
    const CBasicStats stats = basicOf(data, "Hogan, Ben", limits);
    std::vector<std::string> texts;
    std::vector<int> advances;
    for (const auto& line : stats.printLines()) {
        texts.push_back(line.text);
        advances.push_back(line.advance);
    }
    EXPECT_THAT(
        texts,
        ElementsAre("Basic Statistics for Ben Hogan", "From 01/01/2024 Through 12/31/2024",
                    "Using Only Scores < 80", "      Average Score 72.0   Total Rounds 1",
                    "Detail Statistics for Rounds Entered by Hole", "                Detail Rounds Used 1",
                    "Putts per Round 36.0   Fairways Hit  0.0%   Greens in Regulation  0.0%",
                    "Eagles  0.0%  Birdies  0.0%  Pars 100.0%  Boogies  0.0%  Doubles  0.0%  Others  0.0%"));
    EXPECT_THAT(advances, ElementsAre(2, 2, 2, 2, 1, 2, 2, 1));
}

TEST(BasicAllStats, ThreeLinesPerGolferAfterTheHeader) {
    StatsData data;
    for (const char* name : {"Daly, John", "Hogan, Ben", "Nicklaus, Jack", "Snead, Sam"})
        data.addGolfer(name);
    data.addDetail({.golfer = "Hogan, Ben"}, parHoles());
    data.addTotalOnly({.golfer = "Snead, Sam"}, 85);
    CBasicAllStats all;
    all.compute(data.doc().golferTable(), data.scores(), &data.cursor);
    ASSERT_EQ(all.texts().size(), 13u);
    EXPECT_EQ(all.texts()[0], "Score Rounds Det_Rnds Putts   <Par    Pars    >Par     Fws     GIR");
    EXPECT_EQ(all.texts()[1], "Daly, John");
    EXPECT_EQ(all.texts()[2], "  0     0       0       0     0.0%    0.0%    0.0%    0.0%    0.0%");
    EXPECT_EQ(all.texts()[4], "Hogan, Ben");
    EXPECT_EQ(all.texts()[5], " 72     1       1      36     0.0%   100.0%    0.0%    0.0%    0.0%");
    EXPECT_EQ(all.texts()[11], " 85     1       0       0     0.0%    0.0%    0.0%    0.0%    0.0%");
    EXPECT_EQ(all.texts()[12], "");
    EXPECT_EQ(data.cursor.depth, 0);
}

TEST(BasicAllStats, NoGolfersGiveTheHeaderAloneAndThePrintHeadsWithTheLimits) {
    StatsData data;
    CBasicAllStats all;
    all.limits.courseLimited = true;
    all.limits.courseName = "Alder Run";
    all.compute(data.doc().golferTable(), data.scores(), nullptr);
    EXPECT_EQ(all.texts().size(), 1u);
    EXPECT_EQ(all.firstHeading(), "");
    EXPECT_EQ(all.secondHeading(), "Alder Run");
    EXPECT_THAT(all.printedTexts(),
                ElementsAre("Basic Stats for All Golfers", "Alder Run  ", CBasicAllStats::columnHeader()));
    all.limits = {};
    EXPECT_EQ(all.printedTexts().size(), 2u);
}

} // namespace

namespace {

// The walk reads rounds straight from the rows; on the peer's rounds it must agree with counting
// every decoded round of the golfer.
TEST(GolferWalk, RowReaderAgreesWithDecodedRounds) {
    test::TempDir dir;
    for (const char* table : {"Courses", "Golfers", "Scores"})
        dir.copyFixture(table);
    test::ScriptedPrompter prompter;
    golfdb::CKipGolfDoc doc(dir.path(), prompter, nullptr, 2024);
    ASSERT_EQ(doc.openDatabase(), golfdb::OpenOutcome::Opened);
    int checked = 0;
    for (const auto& golfer : doc.golferList()) {
        CBasicStats stats;
        stats.subject.setGolfer(golfer.text);
        stats.compute(doc.scoreTable(), nullptr);
        int rounds = 0, detail = 0;
        long total = 0;
        auto& scores = doc.scoreTable();
        for (int rc = scores.findNewest(golfer.text); rc == 0 && scores.record().golfer == golfer.text;
             rc = scores.skip()) {
            golfdb::ScoreRecord& r = scores.record();
            if (r.isInitialHandicapRound())
                continue;
            ++rounds;
            total += r.grossScore();
            detail += !r.isTotalOnly();
        }
        EXPECT_EQ(stats.results().totalRounds, rounds) << golfer.text;
        EXPECT_EQ(stats.results().detailRounds, detail) << golfer.text;
        if (rounds > 0) {
            EXPECT_DOUBLE_EQ(stats.results().averageScore, static_cast<double>(total) / rounds)
                << golfer.text;
        }
        checked += rounds;
    }
    EXPECT_GT(checked, 0);
}

} // namespace
