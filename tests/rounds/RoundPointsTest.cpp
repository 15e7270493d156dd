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
    for (int hole = 1; hole <= 18; ++hole)
        par[hole] = 4;
    return par;
}

TEST(ComputePoints, SumsEachHoleAgainstItsPar) {
    auto strokes = parFours();
    strokes[7] = 3;
    EXPECT_EQ(computePoints(strokes, parFours(), scheme), 17 + 3);
}

TEST(ComputePoints, EagleAndDoubleCoverEverythingBeyondThem) {
    const auto par = parFours();
    auto strokes = par;
    strokes[1] = 1; // hole in one: three under
    strokes[2] = 2; // eagle
    strokes[3] = 9; // five over
    strokes[4] = 6; // double bogey
    strokes[5] = 5; // bogey
    EXPECT_EQ(computePoints(strokes, par, scheme), 5 + 5 - 1 - 1 + 0 + 13 * 1);
    EXPECT_EQ(computePoints(strokes, par, {20, 12, 8, 3, 0}), 20 + 20 + 0 + 0 + 3 + 13 * 8);
}

TEST(ComputePoints, SlotZeroIsNotAHole) {
    auto strokes = parFours();
    auto par = parFours();
    strokes[0] = 9;
    EXPECT_EQ(computePoints(strokes, par, scheme), 18);
}

TEST(ComputePoints, ExtremeValuesStayWithinTheStoredRange) {
    const auto par = parFours();
    EXPECT_EQ(computePoints(par, par, {0, 0, 100, 0, 0}), 1800);
    EXPECT_EQ(computePoints(par, par, {0, 0, -100, 0, 0}), -1800);
}

TEST(GetPoints, RoundWithoutTheFlagHasNoPoints) {
    golfdb::ScoreRecord round;
    round.pointValues = {5, 3, 1, 0, -1};
    round.totalPoints = 20;
    const auto points = getPoints(round);
    EXPECT_FALSE(points.pointsRound);
    EXPECT_EQ(points.total, 0);
    EXPECT_EQ(points.values, (PointValues{0, 0, 0, 0, 0}));
}

// Stores a points round in a real score table and returns what reading it back gives, with the raw
// bytes 5 and 6 of EXTRA.
struct StoredPoints {
    golfdb::RoundPoints points;
    int byte5 = 0;
    int byte6 = 0;
};

StoredPoints storeAndReload(int total, bool pointsRound = true) {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    golfdb::CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_NE(doc.openDatabase(), golfdb::OpenOutcome::EndProgram);
    auto& scores = doc.scoreTable();
    auto& round = scores.record();
    round.clear();
    round.golfer = "Okonkwo, Ike";
    round.name = "Alder Run";
    round.year = 2024;
    round.month = 5;
    round.day = 1;
    round.storePoints({pointsRound, {5, 3, 1, 0, -1}, total});
    EXPECT_EQ(scores.add(), 0);
    EXPECT_EQ(scores.findNewest("Okonkwo, Ike"), 0);
    StoredPoints stored;
    stored.points = getPoints(scores.record());
    auto* extra = store::fieldByName(scores.storeTable(), "EXTRA");
    stored.byte5 = static_cast<signed char>(*store::fieldBytes(extra, 5));
    stored.byte6 = static_cast<signed char>(*store::fieldBytes(extra, 6));
    return stored;
}

TEST(StoredPoints, TotalIsSplitIntoSignedRemainderAndQuotient) {
    const auto high = storeAndReload(300);
    EXPECT_EQ(high.byte5, 46);
    EXPECT_EQ(high.byte6, 2);
    EXPECT_EQ(high.points.total, 300);
    EXPECT_TRUE(high.points.pointsRound);
    EXPECT_EQ(high.points.values, (PointValues{5, 3, 1, 0, -1}));

    const auto low = storeAndReload(-200);
    EXPECT_EQ(low.byte5, -73);
    EXPECT_EQ(low.byte6, -1);
    EXPECT_EQ(low.points.total, -200);

    EXPECT_EQ(storeAndReload(1800).points.total, 1800);
    EXPECT_EQ(storeAndReload(-1800).points.total, -1800);
}

TEST(StoredPoints, ClearedFlagStoresBlanksAndReadsZeros) {
    const auto none = storeAndReload(300, false);
    EXPECT_FALSE(none.points.pointsRound);
    EXPECT_EQ(none.points.total, 0);
    EXPECT_EQ(none.byte5, ' ');
    EXPECT_EQ(none.byte6, ' ');
}

TEST(StoredPoints, PeerWrittenRoundsScoreAsTheirStoredTotals) {
    test::TempDir dir;
    dir.copyFixture("Scores");
    golfdb::ScoreTable scores(dir.file("Scores"));
    ASSERT_EQ(scores.open(), 0);
    int pointsRounds = 0;
    for (int rc = scores.goTop(); rc == 0; rc = scores.skip()) {
        const auto& round = scores.record();
        const auto points = getPoints(round);
        if (!points.pointsRound)
            continue;
        ++pointsRounds;
        EXPECT_EQ(computePoints(round.strokes, round.par, points.values), points.total)
            << round.golfer << " " << round.dateText();
    }
    EXPECT_GT(pointsRounds, 3);
    scores.close();
}

TEST(PointSettings, ValuesAreReadOnlyWhenPointsAreInUse) {
    test::MemorySettingsStore settings;
    settings.writeInt("Points", "Eagle", 5);
    EXPECT_FALSE(readPointSettings(settings).usePoints);
    EXPECT_EQ(readPointSettings(settings).values, (PointValues{0, 0, 0, 0, 0}));
    settings.writeInt("Points", "UsePoints", 1);
    settings.writeInt("Points", "Birdie", 3);
    settings.writeInt("Points", "Par", 1);
    settings.writeInt("Points", "Bogie", -2);
    settings.writeInt("Points", "Double", -4);
    const auto points = readPointSettings(settings);
    EXPECT_TRUE(points.usePoints);
    EXPECT_EQ(points.values, (PointValues{5, 3, 1, -2, -4}));
}

TEST(PointSettings, HandEditedValuesAreLimitedSoTheyFitARound) {
    test::MemorySettingsStore settings;
    settings.writeInt("Points", "UsePoints", 1);
    settings.writeInt("Points", "Eagle", 500);
    settings.writeInt("Points", "Double", -129);
    const auto points = readPointSettings(settings);
    EXPECT_EQ(points.values[0], 100);
    EXPECT_EQ(points.values[4], -100);
}

} // namespace
} // namespace kip::rounds
