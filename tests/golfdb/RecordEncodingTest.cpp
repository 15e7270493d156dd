// The field encodings of rows written by the golf classes, checked in the stored bytes.

#include "GolfTestData.h"
#include "golfdb/CourseTable.h"
#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"
#include "store/DbfNumber.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace kip::golfdb {
namespace {

std::string stored(store::Table* table, const char* field) {
    return store::fieldText(store::fieldByName(table, field));
}

class RecordEncoding : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(courses.create(), store::storeOk);
        ASSERT_EQ(golfers.create(), store::storeOk);
        ASSERT_EQ(scores.create(), store::storeOk);
    }

    test::TempDir dir;
    CourseTable courses{dir.path() + "Courses"};
    GolferTable golfers{dir.path() + "Golfers"};
    ScoreTable scores{dir.path() + "Scores"};
};

TEST_F(RecordEncoding, CourseRowKeepsHoleBytesLengthsAndFlag) {
    CourseRecord& r = courses.record();
    r.name = "Links at Dunmore";
    r.city = "Dunmore";
    r.state = "Antrim";
    r.tee = "Yellow";
    r.slope = 126;
    r.rating = 71.0;
    r.flags = flagMetres;
    r.extra = "ignored";
    for (int h = 1; h < holeSlots; ++h) {
        r.par[static_cast<size_t>(h)] = static_cast<std::int8_t>(3 + h % 3);
        r.yardage[static_cast<size_t>(h)] = 100 + 20 * h;
    }
    ASSERT_EQ(courses.add(), store::storeOk);
    EXPECT_EQ(stored(courses.storeTable(), "PAR")[1], '\x04') << "par is a binary byte, not a digit";
    EXPECT_EQ(stored(courses.storeTable(), "YARDAGE").substr(0, 9), "000120140");
    EXPECT_EQ(stored(courses.storeTable(), "EXTRA"), std::string(40, ' '));

    const CourseRecord written = r;
    courses.record().clearCourse();
    ASSERT_EQ(courses.find("Links at Dunmore", "Dunmore", "Antrim", "Yellow"), store::storeOk);
    EXPECT_EQ(courses.record().par, written.par);
    EXPECT_EQ(courses.record().yardage, written.yardage);
    EXPECT_EQ(courses.record().flags, flagMetres);
    EXPECT_EQ(courses.record().extra, "");
    EXPECT_DOUBLE_EQ(courses.record().rating, 71.0);
}

TEST_F(RecordEncoding, YardageGroupsReadSignedAndNeverSpillIntoTheNextHole) {
    ScoreRecord r = test::sampleRound("Castellano, Rita", 2023, 10, 15);
    r.yardage[0] = -5;
    r.yardage[1] = 1234; // wider than its group
    r.yardage[2] = 350;
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    EXPECT_EQ(stored(scores.storeTable(), "YARDAGE").substr(0, 9), "-05999350");
    ASSERT_EQ(scores.findNewest("Castellano, Rita"), store::storeOk);
    EXPECT_EQ(scores.record().courseHandicap(), -5);
    EXPECT_EQ(scores.record().yardage[1], 999);
    EXPECT_EQ(scores.record().yardage[2], 350);
}

TEST_F(RecordEncoding, PointsTotalSplitsIntoSignedModuloAndQuotient) {
    ScoreRecord r = test::sampleRound("Okonkwo, Ike", 2024, 5, 1);
    r.storePoints({true, {5, 2, 0, -1, -3}, 300});
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    const std::string extra = stored(scores.storeTable(), "EXTRA");
    EXPECT_EQ(extra.substr(0, 7), std::string("\x05\x02\x00\xFF\xFD\x2E\x02", 7));
    EXPECT_EQ(extra.substr(7), std::string(33, ' '));

    r.year = 2023;
    r.storePoints({true, {1, 0, -2, -6, -12}, -160});
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    EXPECT_EQ(stored(scores.storeTable(), "EXTRA").substr(5, 2), std::string("\xDF\xFF", 2)); // -33, -1

    ASSERT_EQ(scores.findRound("Okonkwo, Ike", "20240501"), store::storeOk);
    EXPECT_EQ(scores.record().loadPoints().total, 300);
    EXPECT_EQ(scores.record().pointValues[4], -3);
    ASSERT_EQ(scores.findRound("Okonkwo, Ike", "20230501"), store::storeOk);
    EXPECT_EQ(scores.record().totalPoints, -160);
}

TEST_F(RecordEncoding, PointsAreIgnoredWithoutThePointsFlag) {
    ScoreRecord r = test::sampleRound("Okonkwo, Ike", 2024, 5, 1);
    r.storePoints({true, {5, 2, 0, -1, -3}, 44});
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    // Clear the flag byte only: EXTRA still holds the block.
    *store::fieldBytes(store::fieldByName(scores.storeTable(), "FLAGS"), 0) = flagCourseHandicap;
    store::assignLong(store::fieldByName(scores.storeTable(), "TOTSTROKES"), 90);
    ASSERT_EQ(store::flushTable(scores.storeTable()), store::storeOk);
    ASSERT_EQ(scores.findNewest("Okonkwo, Ike"), store::storeOk);
    const RoundPoints points = scores.record().loadPoints();
    EXPECT_FALSE(points.pointsRound);
    EXPECT_EQ(points.total, 0);
    EXPECT_EQ(points.values, (std::array<int, pointKinds>{}));
}

TEST_F(RecordEncoding, GolferTeamNameAndHandicap) {
    GolferRecord& g = golfers.record();
    golfers.joinName("Brightwater", "Tomas");
    g.team = 7;
    g.handicapIndex = -1.2;
    g.handicapRounds = 20;
    ASSERT_EQ(golfers.add(), store::storeOk);
    EXPECT_EQ(stored(golfers.storeTable(), "EXTRA").substr(0, 4), "   7");
    EXPECT_EQ(stored(golfers.storeTable(), "HANDICAP"), "-1.2");

    golfers.joinName("Mulligan", "");
    g.team = 0;
    ASSERT_EQ(golfers.add(), store::storeOk);
    EXPECT_EQ(stored(golfers.storeTable(), "EXTRA"), std::string(40, ' '));

    ASSERT_EQ(golfers.find("Brightwater, Tomas"), store::storeOk);
    EXPECT_EQ(golfers.record().team, 7);
    EXPECT_EQ(golfers.record().extra, "   7");
    EXPECT_DOUBLE_EQ(golfers.record().handicapIndex, -1.2);
    ASSERT_EQ(golfers.find("Mulligan,"), store::storeOk);
    EXPECT_EQ(golfers.record().team, 0);
}

TEST_F(RecordEncoding, HandicapOutsideItsFieldIsStoredAtTheLimitNeverAsAsterisks) {
    GolferRecord& g = golfers.record();
    const std::vector<std::pair<double, std::string>> cases = {
        {150.0, "99.9"}, {-89.0, "-9.9"}, {std::nan(""), " 0.0"}, {99.9, "99.9"}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        golfers.joinName("Limit", std::to_string(i));
        g.handicapIndex = cases[i].first;
        ASSERT_EQ(golfers.add(), store::storeOk);
        EXPECT_EQ(stored(golfers.storeTable(), "HANDICAP"), cases[i].second) << i;
    }
}

TEST_F(RecordEncoding, LongNamesAreCutSoGolferAndRoundRowsAgree) {
    golfers.joinName("Vandersteen-Hollingsworth", "Maximilian Alexander");
    EXPECT_EQ(golfers.record().name, "Vandersteen-Hollingsworth, Maximilian Al");
    ASSERT_EQ(golfers.add(), store::storeOk);
    ScoreRecord r = test::sampleRound(golfers.record().name, 2020, 8, 13);
    r.name = std::string(60, 'C'); // longer than NAME
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    ASSERT_EQ(scores.findNewest(golfers.record().name), store::storeOk);
    EXPECT_EQ(scores.record().golfer, golfers.record().name);
    EXPECT_EQ(scores.record().name, std::string(40, 'C'));
}

TEST_F(RecordEncoding, DateTextIsYearMonthDayAndFindsTheRound) {
    scores.record() = test::sampleRound("Dunmore, Pat", 2009, 7, 4);
    ASSERT_EQ(scores.add(), store::storeOk);
    EXPECT_EQ(stored(scores.storeTable(), "DATE"), "20090704");
    scores.record().clear();
    ASSERT_EQ(scores.findRound("Dunmore, Pat", "20090704"), store::storeOk);
    EXPECT_EQ(scores.record().year, 2009);
    EXPECT_EQ(scores.record().month, 7);
    EXPECT_EQ(scores.record().day, 4);
}

TEST_F(RecordEncoding, NonAsciiTextIsStoredAsSingleBytesAndFoundByKey) {
    golfers.joinName("Müller", "José");
    ASSERT_EQ(golfers.add(), store::storeOk);
    EXPECT_EQ(stored(golfers.storeTable(), "NAME").substr(0, 12), "M\xFCller, Jos\xE9");
    scores.record() = test::sampleRound("Müller, José", 2024, 1, 2);
    scores.record().name = "Château € Links";
    ASSERT_EQ(scores.add(), store::storeOk);
    EXPECT_EQ(stored(scores.storeTable(), "NAME").substr(0, 15), "Ch\xE2teau \x80 Links");

    ASSERT_EQ(golfers.find("Müller, José"), store::storeOk);
    EXPECT_EQ(golfers.record().name, "Müller, José");
    ASSERT_EQ(scores.findNewest("Müller, José"), store::storeOk);
    EXPECT_EQ(scores.record().golfer, "Müller, José");
    EXPECT_EQ(scores.record().name, "Château € Links");

    golfers.joinName("Ωmega", "Ann"); // no single-byte form
    ASSERT_EQ(golfers.add(), store::storeOk);
    EXPECT_EQ(golfers.find("?mega, Ann"), store::storeOk);
}

TEST(StoreText, LettersOutsideTheTablesAreNamedOnceEach) {
    EXPECT_EQ(lettersOutsideStore("Müller, José € ? ‰ Ÿ"), "");
    EXPECT_EQ(lettersOutsideStore("Ωmega Ωmega ΑΩ"), "Ω Α");
    EXPECT_EQ(lettersOutsideStore("Golf ⛳ 🏌"), "⛳ 🏌");
    EXPECT_EQ(lettersOutsideStore(std::string("Bad \xFF byte \xC3")), "\uFFFD");
}

TEST(ScoreRecordRules, GrossScoreFallsBackToTheSumOfStrokes) {
    ScoreRecord r = test::sampleRound("A, B", 2024, 1, 1, 5);
    r.totalStrokes = 0;
    r.strokes[0] = 0;
    EXPECT_EQ(r.grossScore(), 90);
    EXPECT_EQ(r.totalStrokes, 90);
    r.totalStrokes = 77;
    EXPECT_EQ(r.grossScore(), 77);
    r.yardage[0] = 12;
    EXPECT_EQ(r.netScore(), 65);
}

TEST(ScoreRecordRules, PuttsInitialRoundsAndHoleFlags) {
    ScoreRecord r = test::sampleRound("A, B", 2024, 1, 1);
    r.putts[0] = 9; // slot 0 is not a hole
    EXPECT_EQ(r.totalPutts(), 36);
    r.flags = flagTotalOnly | flagNoFairwayStats;
    EXPECT_EQ(r.totalPutts(), 0);
    EXPECT_FALSE(r.countsForFairwayStats());

    r.year = 1001;
    r.month = 1;
    r.day = 20;
    EXPECT_TRUE(r.isInitialHandicapRound());
    r.year = 1010;
    r.day = 1;
    EXPECT_FALSE(r.isInitialHandicapRound());

    std::array<bool, holeSlots> fairways{};
    std::array<bool, holeSlots> greens{};
    fairways[1] = true;
    greens[1] = greens[2] = true;
    r.setFairways(fairways);
    r.setGreens(greens);
    EXPECT_EQ(r.holeFlags[1], holeFairwayHit | holeGreenInRegulation);
    EXPECT_EQ(r.holeFlags[2], holeGreenInRegulation);
    fairways[1] = false;
    r.setFairways(fairways);
    EXPECT_EQ(r.fairways()[1], 0);
    EXPECT_EQ(r.greens()[1], 1);
}

TEST(ScoreRecordRules, ClearingPointsDropsFlagValuesAndTotal) {
    ScoreRecord r;
    r.flags = flagCourseHandicap;
    r.storePoints({true, {20, 12, 8, 3, 0}, 129});
    EXPECT_EQ(r.flags, flagCourseHandicap | flagPointsRound);
    r.storePoints({false, {20, 12, 8, 3, 0}, 129});
    EXPECT_EQ(r.flags, flagCourseHandicap);
    EXPECT_EQ(r.loadPoints().total, 0);
    EXPECT_EQ(r.loadPoints().values[0], 0);
}

} // namespace
} // namespace kip::golfdb

namespace kip::golfdb {
namespace {

TEST(StoredOneDecimal, ShowsEveryComputedIndexAsTheRowStoresIt) {
    // Handicap indexes are averages times 0.96 less 0.05: many land a hair below a half tenth, where
    // printing the computed value rounds the other way than storing it did.
    int differed = 0;
    for (int tenths = -99; tenths <= 1100; ++tenths) {
        const double computed = tenths / 10.0 * 0.96 - 0.05;
        const std::string stored = store::formatDoubleText(computed, 4, 1);
        std::array<char, 16> raw{}, shown{};
        std::snprintf(raw.data(), raw.size(), "%4.1f", computed);
        std::snprintf(shown.data(), shown.size(), "%4.1f", fields::storedOneDecimal(computed));
        differed += stored != raw.data();
        if (computed >= fields::lowestOneDecimal && computed <= fields::highestOneDecimal) {
            EXPECT_EQ(shown.data(), stored) << computed;
        }
    }
    EXPECT_GT(differed, 0) << "the sample holds values where the two roundings part";
    EXPECT_EQ(fields::storedOneDecimal(150.0), 99.9);
    EXPECT_EQ(fields::storedOneDecimal(-20.0), -9.9);
}

} // namespace
} // namespace kip::golfdb

namespace kip::golfdb {
namespace {

TEST(StoredNames, ANameWithALetterOutsideTheTableCharacterSetMatchesItsRounds) {
    test::TempDir dir;
    GolferTable golfers(dir.path() + "Golfers");
    ScoreTable scores(dir.path() + "Scores");
    ASSERT_EQ(golfers.create(), store::storeOk);
    ASSERT_EQ(scores.create(), store::storeOk);
    golfers.record().clear();
    golfers.joinName("Nowak", "\xC5\x81ukasz"); // Łukasz: Ł has no Windows-1252 byte
    EXPECT_EQ(golfers.record().name, "Nowak, ?ukasz");
    golfers.joinName("M\xC3\xBCller", "J\xC3\xB6rg"); // Müller, Jörg: kept as typed
    EXPECT_EQ(golfers.record().name, "M\xC3\xBCller, J\xC3\xB6rg");
    golfers.joinName("Nowak", "\xC5\x81ukasz");
    ASSERT_EQ(golfers.add(), store::storeOk);
    const std::string name = golfers.record().name;
    scores.record() = test::sampleRound(name, 2026, 5, 1);
    ASSERT_EQ(scores.add(), store::storeOk);
    const int found = scores.findRound(name, "99999999");
    ASSERT_TRUE(found == store::storeOk || found == store::storeAfter) << found;
    EXPECT_EQ(scores.record().golfer, name);
    ASSERT_EQ(golfers.goTop(), store::storeOk);
    EXPECT_EQ(golfers.record().name, name);
}

} // namespace
} // namespace kip::golfdb
