// Tables written by an independent FoxPro-compatible program read back through the golf classes
// exactly as that program lists them.

#include "GolfTestData.h"
#include "golfdb/CourseTable.h"
#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::golfdb {
namespace {

using test::listedBytes;
using test::ListedRecord;
using test::listedYardage;

template <class Array> std::string bytesOf(const Array& values) {
    std::string out;
    for (const auto v : values)
        out += static_cast<char>(v);
    return out;
}

void expectCoursePart(const CourseRecord& r, const ListedRecord& listed) {
    const auto& v = listed.values;
    EXPECT_EQ(r.name, v.at("NAME"));
    EXPECT_EQ(r.tee, v.at("TEE"));
    EXPECT_EQ(r.slope, std::stoi(v.at("SLOPE")));
    EXPECT_DOUBLE_EQ(r.rating, std::stod(v.at("RATING")));
    EXPECT_EQ(bytesOf(r.par), listedBytes(v.at("PAR"), holeSlots));
    for (int i = 0; i < holeSlots; ++i)
        EXPECT_EQ(r.yardage[static_cast<size_t>(i)], listedYardage(v.at("YARDAGE"), i)) << "slot " << i;
    EXPECT_EQ(r.flags, static_cast<std::uint8_t>(listedBytes(v.at("FLAGS"), 1)[0]));
    EXPECT_EQ(r.extra, "");
}

void expectCourse(CourseTable& table, const std::string& name) {
    int live = 0;
    for (const auto& listed : test::readListedRecords(name)) {
        if (listed.deleted)
            continue;
        ++live;
        SCOPED_TRACE(name + " record " + std::to_string(listed.number));
        ASSERT_EQ(table.goTo(listed.number), store::storeOk);
        expectCoursePart(table.record(), listed);
        EXPECT_EQ(table.record().city, listed.values.at("CITY"));
        EXPECT_EQ(table.record().state, listed.values.at("STATE"));
        EXPECT_EQ(table.record().zip, listed.values.at("ZIP"));
        EXPECT_EQ(table.record().phone, listed.values.at("PHONE"));
    }
    EXPECT_GT(live, 0);
}

TEST(FixtureCompatibility, CoursesAndMasterCoursesReadAsListed) {
    test::TempDir dir;
    for (const char* name : {"Courses", "KipCourses"}) {
        CourseTable courses(dir.copyFixture(name));
        ASSERT_EQ(courses.open(), store::storeOk) << name;
        expectCourse(courses, name);
    }
}

TEST(FixtureCompatibility, MetresCourseKeepsItsFlag) {
    test::TempDir dir;
    CourseTable courses(dir.copyFixture("Courses"));
    ASSERT_EQ(courses.open(), store::storeOk);
    ASSERT_EQ(courses.find("Links at Dunmore", "Dunmore", "Antrim", "Yellow"), store::storeOk);
    EXPECT_TRUE(courses.record().inMetres());
    EXPECT_EQ(courses.parArray()[1], 5);
    EXPECT_EQ(courses.yardageArray()[1], 488);
}

TEST(FixtureCompatibility, GolfersReadAsListedWithTeams) {
    test::TempDir dir;
    GolferTable golfers(dir.copyFixture("Golfers"));
    ASSERT_EQ(golfers.open(), store::storeOk);
    for (const auto& listed : test::readListedRecords("Golfers")) {
        if (listed.deleted)
            continue;
        SCOPED_TRACE("record " + std::to_string(listed.number));
        ASSERT_EQ(golfers.goTo(listed.number), store::storeOk);
        const GolferRecord& r = golfers.record();
        const auto& v = listed.values;
        EXPECT_EQ(r.name, v.at("NAME"));
        EXPECT_EQ(r.street, v.at("STREET"));
        EXPECT_EQ(r.city, v.at("CITY"));
        EXPECT_EQ(r.state, v.at("STATE"));
        EXPECT_EQ(r.zip, v.at("ZIP"));
        EXPECT_EQ(r.phone, v.at("PHONE"));
        EXPECT_DOUBLE_EQ(r.handicapIndex, std::stod(v.at("HANDICAP")));
        EXPECT_EQ(r.handicapRounds, std::stoi(v.at("HCROUNDS")));
        const std::string extra = v.at("EXTRA");
        EXPECT_EQ(r.team, extra.find_first_not_of(' ') == std::string::npos ? 0 : std::stoi(extra));
    }
    ASSERT_EQ(golfers.find("Brightwater, Tomas"), store::storeOk);
    EXPECT_EQ(golfers.record().team, 12);
    ASSERT_EQ(golfers.find("Castellano, Rita"), store::storeOk);
    EXPECT_DOUBLE_EQ(golfers.record().handicapIndex, -1.2);
    EXPECT_EQ(golfers.find("Young, Dana"), store::storeAfter) << "a deleted golfer is not in the tag";
}

TEST(FixtureCompatibility, RoundsReadAsListedWithPointsAndHandicaps) {
    test::TempDir dir;
    ScoreTable scores(dir.copyFixture("Scores"));
    ASSERT_EQ(scores.open(), store::storeOk);
    int pointsRounds = 0;
    int negativeTotals = 0;
    for (const auto& listed : test::readListedRecords("Scores")) {
        if (listed.deleted)
            continue;
        SCOPED_TRACE("record " + std::to_string(listed.number));
        ASSERT_EQ(scores.goTo(listed.number), store::storeOk);
        const ScoreRecord& r = scores.record();
        const auto& v = listed.values;
        expectCoursePart(r, listed);
        EXPECT_EQ(r.golfer, v.at("GOLFER"));
        EXPECT_EQ(r.dateText(), v.at("DATE"));
        EXPECT_DOUBLE_EQ(r.differential, std::stod(v.at("HCINDEX")));
        EXPECT_EQ(r.totalStrokes, std::stoi(v.at("TOTSTROKES")));
        EXPECT_EQ(bytesOf(r.putts), listedBytes(v.at("PUTTS"), holeSlots));
        EXPECT_EQ(bytesOf(r.strokes), listedBytes(v.at("SCORES"), holeSlots));
        EXPECT_EQ(bytesOf(r.holeFlags), listedBytes(v.at("HOLEFLAGS"), holeSlots));
        const std::string extra = listedBytes(v.at("EXTRA"), 40);
        if (r.flags & flagPointsRound) {
            ++pointsRounds;
            const int total = static_cast<std::int8_t>(extra[5]) + static_cast<std::int8_t>(extra[6]) * 127;
            EXPECT_EQ(r.totalPoints, total);
            negativeTotals += total < 0;
            for (int i = 0; i < pointKinds; ++i)
                EXPECT_EQ(r.pointValues[static_cast<size_t>(i)],
                          static_cast<std::int8_t>(extra[static_cast<size_t>(i)]));
        } else {
            EXPECT_EQ(r.totalPoints, 0);
        }
    }
    EXPECT_GT(pointsRounds, 0);
    EXPECT_GT(negativeTotals, 0);

    ASSERT_EQ(scores.goTo(14), store::storeOk);
    EXPECT_EQ(scores.record().totalPoints, -160);
    ASSERT_EQ(scores.goTo(2), store::storeOk);
    EXPECT_EQ(scores.record().courseHandicap(), -1);
    ASSERT_EQ(scores.goTo(3), store::storeOk);
    EXPECT_TRUE(scores.isInitialHandicapRound());
    EXPECT_EQ(scores.record().day, 10);
    EXPECT_EQ(scores.record().flags, 0x92);
}

TEST(FixtureCompatibility, RoundsComeNewestFirstPerGolferInTagOrder) {
    test::TempDir dir;
    ScoreTable scores(dir.copyFixture("Scores"));
    ASSERT_EQ(scores.open(), store::storeOk);
    int count = 0;
    std::string previousKey;
    for (int rc = scores.goTop(); rc == store::storeOk; rc = scores.skip()) {
        std::string key = scores.record().golfer;
        key.resize(40, ' ');
        key += scores.record().dateText();
        if (count > 0) {
            EXPECT_LE(key, previousKey);
        }
        previousKey = key;
        ++count;
    }
    EXPECT_EQ(count, 117);

    ASSERT_EQ(scores.findNewest("Brightwater, Tomas"), store::storeOk);
    EXPECT_EQ(scores.record().golfer, "Brightwater, Tomas");
    EXPECT_EQ(scores.findRound("Brightwater, Tomas", "20190805"), store::storeOk);
    EXPECT_EQ(scores.record().dateText(), "20190805");
}

} // namespace
} // namespace kip::golfdb
