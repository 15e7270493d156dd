// Stroke indexes and the playing conditions calculation in the EXTRA bytes of course and round rows.

#include "GolfTestData.h"
#include "golfdb/CourseTable.h"
#include "golfdb/ScoreTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kip::golfdb {
namespace {

std::string stored(store::Table* table, const char* field) {
    return store::fieldText(store::fieldByName(table, field));
}

HoleBytes strokeIndexes() {
    HoleBytes si{};
    const int order[18] = {7, 15, 1, 11, 17, 3, 13, 9, 5, 8, 16, 2, 12, 18, 4, 14, 10, 6};
    for (int h = 1; h < holeSlots; ++h)
        si[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(order[h - 1]);
    return si;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class StrokeIndexEncoding : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(courses.create(), store::storeOk);
        ASSERT_EQ(scores.create(), store::storeOk);
    }

    test::TempDir dir;
    CourseTable courses{dir.path() + "Courses"};
    ScoreTable scores{dir.path() + "Scores"};
};

TEST_F(StrokeIndexEncoding, CourseRowKeepsThemAfterTheSevenBytesOfAPointsBlock) {
    CourseRecord& r = courses.record();
    r.name = "Heron Bay";
    r.tee = "White";
    r.strokeIndex = strokeIndexes();
    ASSERT_EQ(courses.add(), store::storeOk);
    const std::string extra = stored(courses.storeTable(), "EXTRA");
    EXPECT_EQ(extra.substr(0, strokeIndexOffset), std::string(7, ' '));
    EXPECT_EQ(extra[strokeIndexOffset], '\x07') << "hole 1, a binary byte";
    EXPECT_EQ(extra[strokeIndexOffset + 17], '\x06') << "hole 18";
    EXPECT_EQ(extra.substr(pccOffset), std::string(40 - pccOffset, ' '));
    courses.record().clearCourse();
    ASSERT_EQ(courses.find("Heron Bay", "", "", "White"), store::storeOk);
    EXPECT_EQ(courses.record().strokeIndex, strokeIndexes());
    EXPECT_TRUE(courses.record().hasStrokeIndexes());
}

TEST_F(StrokeIndexEncoding, RoundRowHoldsPointsStrokeIndexesAndPccTogether) {
    ScoreRecord r = test::sampleRound("Varga, Ilona", 2025, 6, 1);
    r.strokeIndex = strokeIndexes();
    r.pcc = -1;
    r.storePoints({true, {5, 3, 1, 0, -1}, 300});
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    const std::string extra = stored(scores.storeTable(), "EXTRA");
    EXPECT_EQ(extra[5], '\x2e') << "the points block stays where it was";
    EXPECT_EQ(extra[strokeIndexOffset + 2], '\x01');
    EXPECT_EQ(static_cast<unsigned char>(extra[pccOffset]), 0xFF);
    ASSERT_EQ(scores.findNewest("Varga, Ilona"), store::storeOk);
    EXPECT_EQ(scores.record().strokeIndex, strokeIndexes());
    EXPECT_EQ(scores.record().pcc, -1);
    EXPECT_EQ(scores.record().totalPoints, 300);
}

TEST_F(StrokeIndexEncoding, AnythingButAFullSetReadsAsNone) {
    ScoreRecord r = test::sampleRound("Varga, Ilona", 2025, 6, 2);
    r.strokeIndex = strokeIndexes();
    r.strokeIndex[4] = r.strokeIndex[5]; // one number twice
    r.pcc = 9;                           // cannot have been entered
    scores.record() = r;
    ASSERT_EQ(scores.add(), store::storeOk);
    EXPECT_EQ(stored(scores.storeTable(), "EXTRA"), std::string(40, ' ')) << "nothing half written";
    // Bytes another program left there are not taken for stroke indexes or a PCC.
    store::assignText(store::fieldByName(scores.storeTable(), "EXTRA"), std::string(40, 'Z'));
    scores.readCurrent();
    EXPECT_EQ(scores.record().strokeIndex, HoleBytes{});
    EXPECT_EQ(scores.record().pcc, 0);
}

TEST(StrokeIndexFiles, TablesWithoutThemAreByteForByteAsBefore) {
    // The same rows written twice, once through records that never had the new members set and once
    // after a round trip through reading them: the files must not differ in a single byte.
    test::TempDir dir;
    const auto write = [&](const std::string& folder, bool roundTrip) {
        std::filesystem::create_directories(folder);
        CourseTable courses(folder + "Courses");
        ScoreTable scores(folder + "Scores");
        EXPECT_EQ(courses.create(), store::storeOk);
        EXPECT_EQ(scores.create(), store::storeOk);
        courses.record().name = "Heron Bay";
        courses.record().tee = "White";
        EXPECT_EQ(courses.add(), store::storeOk);
        scores.record() = test::sampleRound("Varga, Ilona", 2025, 6, 1);
        EXPECT_EQ(scores.add(), store::storeOk);
        if (roundTrip) {
            EXPECT_EQ(scores.findNewest("Varga, Ilona"), store::storeOk);
            EXPECT_EQ(scores.change(), store::storeOk);
            EXPECT_EQ(courses.find("Heron Bay", "", "", "White"), store::storeOk);
            EXPECT_EQ(courses.change(), store::storeOk);
        }
        courses.close();
        scores.close();
    };
    write(dir.path() + "a/", false);
    write(dir.path() + "b/", true);
    for (const char* file : {"Courses.dbf", "Scores.dbf"}) {
        const std::string a = fileBytes(dir.path() + "a/" + file);
        const std::string b = fileBytes(dir.path() + "b/" + file);
        ASSERT_FALSE(a.empty());
        // The header's date of last update may differ; the records must not.
        EXPECT_EQ(a.substr(32), b.substr(32)) << file;
    }
}

} // namespace
} // namespace kip::golfdb
