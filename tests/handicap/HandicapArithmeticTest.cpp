#include "GolfData.h"
#include "handicap/CourseHandicap.h"
#include "handicap/Differential.h"

#include <cmath>

namespace kip::handicap {
namespace {

TEST(CourseHandicap, RoundsHalfUpAndTruncatesTowardZero) {
    EXPECT_EQ(computeCourseHandicap(12.3, 125), 14); // 14.106
    EXPECT_EQ(computeCourseHandicap(12.5, 113), 13);
    EXPECT_EQ(computeCourseHandicap(12.4, 113), 12);
    EXPECT_EQ(computeCourseHandicap(-2.0, 130), -1); // -1.80, not -2
    EXPECT_EQ(computeCourseHandicap(1e300, 9999), std::numeric_limits<int>::max())
        << "no undefined conversion";
}

// Par-4 holes all played in `strokes`, with the given course handicap in slot 0.
golfdb::ScoreRecord roundOf(int strokes, int courseHandicap,
                            std::uint8_t flags = golfdb::flagCourseHandicap) {
    golfdb::ScoreRecord round;
    round.golfer = "Okonkwo, Ike";
    round.year = 2024;
    round.month = round.day = 1;
    for (int hole = 1; hole <= 18; ++hole) {
        round.par[hole] = 4;
        round.strokes[hole] = static_cast<std::int8_t>(strokes);
    }
    round.yardage[0] = courseHandicap;
    round.flags = flags;
    return round;
}

TEST(StrokeControl, CapFollowsTheCourseHandicapBandOrTenWithoutHandicap) {
    auto round = roundOf(4, 9);
    round.strokes[0] = 50; // not a hole
    round.strokes[3] = 11;
    const double gross = 17 * 4 + 11;
    const auto adjusted = [&](int courseHandicap, bool bands) {
        round.yardage[0] = courseHandicap;
        return adjustedGross(round, gross, bands);
    };
    EXPECT_EQ(adjusted(9, true), gross - 5);  // par + 2
    EXPECT_EQ(adjusted(-3, true), gross - 5); // plus handicaps too
    EXPECT_EQ(adjusted(10, true), gross - 4); // 7
    EXPECT_EQ(adjusted(29, true), gross - 3); // 8
    EXPECT_EQ(adjusted(30, true), gross - 2); // 9
    EXPECT_EQ(adjusted(40, true), gross - 1); // 10
    EXPECT_EQ(adjusted(2, false), gross - 1); // no handicap yet: 10 whatever the band
}

struct DifferentialCase {
    const char* what;
    golfdb::ScoreRecord round;
    int golferRounds;
    bool skipEsc, changing;
    double expected;
};

TEST(Differential, AdjustsOnlyWhereStrokeControlApplies) {
    auto blowUp = roundOf(4, 9); // one 9 on a par 4: capped at 6 with a handicap
    blowUp.strokes[1] = 9;
    blowUp.totalStrokes = 77;
    auto noHandicapFlag = blowUp;
    noHandicapFlag.flags = 0;
    auto totalOnly = roundOf(0, 30, golfdb::flagTotalOnly);
    totalOnly.totalStrokes = 120;
    const DifferentialCase cases[] = {
        {"new round, golfer with handicap", blowUp, 5, false, false, 4.0},
        {"new round, golfer without handicap", blowUp, 0, false, false, 7.0},
        {"total-only round", totalOnly, 5, true, false, 50.0},
        {"changed round with course handicap", blowUp, 5, false, true, 4.0},
        {"changed round without course handicap", noHandicapFlag, 5, false, true, 7.0},
        {"missing total: sum of strokes", roundOf(5, 40), 5, false, false, 20.0},
    };
    for (auto c : cases) {
        EXPECT_DOUBLE_EQ(computeDifferential(c.round, 113, c.golferRounds, c.skipEsc, c.changing, 70.0),
                         c.expected)
            << c.what;
        EXPECT_DOUBLE_EQ(c.round.differential, c.expected) << c.what;
    }
    auto summed = roundOf(5, 40);
    computeDifferential(summed, 113, 5, false, false, 70.0);
    EXPECT_EQ(summed.totalStrokes, 90) << "the sum becomes the round's total";
}

class StoredDifferential : public ::testing::Test {
protected:
    // Writes the round and reads HCINDEX back.
    double store(golfdb::ScoreRecord round) {
        round.day = ++day;
        data.scores().record() = round;
        EXPECT_EQ(data.scores().add(), 0);
        EXPECT_EQ(data.scores().findNewest(round.golfer), 0);
        return data.scores().record().differential;
    }
    testing::GolfData data;
    int day = 0;
};

TEST_F(StoredDifferential, WorkedExampleFormsTheSlopeQuotientFirstAndKeepsOneDecimal) {
    auto round = roundOf(0, 12, golfdb::flagTotalOnly);
    round.totalStrokes = 85;
    EXPECT_EQ(computeDifferential(round, 128, 20, true, false, 71.2), (85 - 71.2) * (113.0 / 128));
    EXPECT_DOUBLE_EQ(store(round), 12.2);
}

TEST_F(StoredDifferential, ValuesBeyondTheFieldAreStoredAtItsLimitsNotAsAsterisks) {
    auto round = roundOf(0, 0, golfdb::flagTotalOnly);
    round.totalStrokes = 250;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 60, 10, true, false, 68.0), 99.9);
    EXPECT_DOUBLE_EQ(store(round), 99.9);
    round.totalStrokes = 50;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 155, 10, true, false, 72.0), -9.9);
    EXPECT_DOUBLE_EQ(store(round), -9.9);
}

TEST_F(StoredDifferential, SlopeWithoutValueCountsAsStandardDifficulty) {
    auto round = roundOf(0, 0, golfdb::flagTotalOnly);
    round.totalStrokes = 90;
    EXPECT_DOUBLE_EQ(computeDifferential(round, 0, 10, true, false, 72.0), 18.0);
    EXPECT_DOUBLE_EQ(computeDifferential(round, -40, 10, true, false, 72.0), 18.0);
    EXPECT_DOUBLE_EQ(store(round), 18.0);
    EXPECT_EQ(storableDifferential(std::nan("")), 0.0);
}

TEST_F(StoredDifferential, InitialHandicapRoundReproducesTheStartingIndex) {
    EXPECT_NEAR(initialHandicapDifferential(12.0), 12.55, 1e-12);
    EXPECT_NEAR(initialHandicapDifferential(-1.92), -2.0, 1e-12); // no 0.05 at or below zero
    EXPECT_EQ(initialHandicapDifferential(0.0), 0.0);
    EXPECT_EQ(initialHandicapDifferential(97.0), 99.9);

    golfdb::ScoreRecord round;
    round.totalStrokes = 99; // cleared first
    buildInitialHandicapRound(round, "Okonkwo, Ike", 12.0, 20);
    data.scores().record() = round;
    ASSERT_EQ(data.scores().add(), 0);
    ASSERT_EQ(data.scores().findNewest("Okonkwo, Ike"), 0);
    const auto& stored = data.scores().record();
    EXPECT_EQ(stored.name + "/" + stored.tee + "/" + std::to_string(stored.slope),
              "Initial Handicap/N/A/113");
    EXPECT_EQ(stored.par[0] + stored.par[18] + stored.yardage[0] + stored.totalStrokes, 4);
    EXPECT_EQ(stored.flags, 0x92);
    EXPECT_EQ(stored.dateText(), "10010120");
    EXPECT_DOUBLE_EQ(stored.differential, 12.6);
    EXPECT_TRUE(data.scores().isInitialHandicapRound());
}

} // namespace
} // namespace kip::handicap
