#include "rounds/RoundPoints.h"
#include "golfdb/CKipGolfDoc.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::rounds {
namespace {

const PointValues scheme{5, 3, 1, 0, -1};

golfdb::HoleBytes parFours() {
    golfdb::HoleBytes par{};
    std::fill(par.begin() + 1, par.end(), 4);
    return par;
}

TEST(ComputePoints, EachHoleScoresByItsResultAgainstPar) {
    const auto par = parFours();
    auto strokes = par;
    strokes[0] = 9; // not a hole
    strokes[7] = 3;
    EXPECT_EQ(computePoints(strokes, par, scheme), 17 + 3);
    strokes[1] = 1; // three under: eagle points
    strokes[2] = 2;
    strokes[3] = 9; // five over: double points
    strokes[4] = 6;
    strokes[5] = 5;
    EXPECT_EQ(computePoints(strokes, par, scheme), 5 + 5 - 1 - 1 + 0 + 3 + 12 * 1);
    EXPECT_EQ(computePoints(par, par, {0, 0, -100, 0, 0}), -1800);
}

TEST(PointsToStore, RescoredOnlyWhileInUseAndDroppedWhenNotKept) {
    golfdb::ScoreRecord round;
    round.par = parFours();
    round.strokes = parFours();
    round.strokes[1] = 3;
    const auto scored = pointsToStore(round, true, true, scheme, 99);
    EXPECT_TRUE(scored.pointsRound);
    EXPECT_EQ(scored.total, 17 + 3);
    EXPECT_EQ(scored.values, scheme);
    EXPECT_EQ(pointsToStore(round, false, true, scheme, 99).total, 99)
        << "points switched off: kept as stored";
    const auto dropped = pointsToStore(round, true, false, scheme, 99);
    EXPECT_FALSE(dropped.pointsRound);
    EXPECT_EQ(dropped.total, 0);
    EXPECT_EQ(pointsRulesText({5, 3, 1, 0, -1}), "Eagle = 5  Birdie = 3  Par = 1  Bogie = 0  Double = -1");
}

class StoredPoints : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(doc.openDatabase(), golfdb::OpenOutcome::EndProgram); }

    // Stores a round with the given points block and reads it back; bytes 5 and 6 of EXTRA as stored.
    golfdb::RoundPoints storeAndReload(const golfdb::RoundPoints& points, int& byte5, int& byte6) {
        auto& scores = doc.scoreTable();
        scores.record().clear();
        scores.record().golfer = "Okonkwo, Ike";
        scores.record().year = 2024;
        scores.record().month = scores.record().day = ++rounds;
        scores.record().storePoints(points);
        EXPECT_EQ(scores.add(), 0);
        EXPECT_EQ(scores.findNewest("Okonkwo, Ike"), 0);
        auto* extra = store::fieldByName(scores.storeTable(), "EXTRA");
        byte5 = static_cast<signed char>(*store::fieldBytes(extra, 5));
        byte6 = static_cast<signed char>(*store::fieldBytes(extra, 6));
        return getPoints(scores.record());
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    golfdb::CKipGolfDoc doc{dir.path(), prompter};
    int rounds = 0;
};

TEST_F(StoredPoints, TotalIsSplitIntoSignedRemainderAndQuotient) {
    const std::array<int, 3> cases[] = {{300, 46, 2}, {-200, -73, -1}, {1800, 22, 14}, {-1800, -22, -14}};
    for (const auto& [total, remainder, quotient] : cases) {
        int byte5 = 0, byte6 = 0;
        const auto points = storeAndReload({true, scheme, total}, byte5, byte6);
        EXPECT_EQ(byte5, remainder) << total;
        EXPECT_EQ(byte6, quotient) << total;
        EXPECT_TRUE(points.pointsRound);
        EXPECT_EQ(points.values, scheme);
        EXPECT_EQ(points.total, total);
    }
}

TEST_F(StoredPoints, RoundWithoutTheFlagReadsNoPoints) {
    int byte5 = 0, byte6 = 0;
    const auto points = storeAndReload({false, scheme, 300}, byte5, byte6);
    EXPECT_FALSE(points.pointsRound);
    EXPECT_EQ(points.total, 0);
    EXPECT_EQ(points.values, (PointValues{}));
    EXPECT_EQ(byte5, ' ');
    golfdb::ScoreRecord inMemory; // values without the flag are not points either
    inMemory.pointValues = {5, 3, 1, 0, -1};
    inMemory.totalPoints = 20;
    EXPECT_EQ(getPoints(inMemory).total, 0);
}

TEST(PeerPoints, RoundsWrittenElsewhereScoreAsTheirStoredTotals) {
    test::TempDir dir;
    dir.copyFixture("Scores");
    golfdb::ScoreTable scores(dir.file("Scores"));
    ASSERT_EQ(scores.open(), 0);
    int pointsRounds = 0;
    for (int rc = scores.goTop(); rc == 0; rc = scores.skip()) {
        const auto points = getPoints(scores.record());
        if (!points.pointsRound)
            continue;
        ++pointsRounds;
        EXPECT_EQ(computePoints(scores.record().strokes, scores.record().par, points.values), points.total)
            << scores.record().golfer << " " << scores.record().dateText();
    }
    EXPECT_GT(pointsRounds, 3);
}

TEST(PointSettings, ValuesCountOnlyWhenInUseAndAreLimitedToWhatARoundCanStore) {
    test::MemorySettingsStore settings;
    settings.writeInt("Points", "Eagle", 500);
    EXPECT_EQ(readPointSettings(settings).values, (PointValues{}));
    settings.writeInt("Points", "UsePoints", 1);
    settings.writeInt("Points", "Birdie", 3);
    settings.writeInt("Points", "Par", 1);
    settings.writeInt("Points", "Bogie", -2);
    settings.writeInt("Points", "Double", -129);
    const auto points = readPointSettings(settings);
    EXPECT_TRUE(points.usePoints);
    EXPECT_EQ(points.values, (PointValues{100, 3, 1, -2, -100}));
}

} // namespace
} // namespace kip::rounds
