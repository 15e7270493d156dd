// Positioning, unique keys and the small helpers of the golf table classes.

#include "GolfTestData.h"
#include "golfdb/CourseTable.h"
#include "golfdb/GolfSchema.h"
#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

TEST(TableAccess, UniqueKeysAreRefusedAfterEveryOpen) {
    test::TempDir dir;
    CourseTable courses(dir.copyFixture("Courses"));
    ASSERT_EQ(courses.open(), store::storeOk);
    ASSERT_EQ(courses.find("Alder Run", "Riverton", "KY", "Blue"), store::storeOk);
    const long rows = store::recordCount(courses.storeTable());
    EXPECT_EQ(courses.add(), store::storeDuplicateKey);
    EXPECT_EQ(store::recordCount(courses.storeTable()), rows);

    GolferTable golfers(dir.copyFixture("Golfers"));
    ASSERT_EQ(golfers.open(), store::storeOk);
    ASSERT_EQ(golfers.find("Mulligan"), store::storeOk);
    golfers.record().name = "Okonkwo, Ike";
    EXPECT_EQ(golfers.change(), store::storeDuplicateKey) << "the new name belongs to another golfer";
    EXPECT_EQ(golfers.find("Mulligan"), store::storeOk);
    golfers.record().street = "1 New Road";
    EXPECT_EQ(golfers.change(), store::storeOk);
    ASSERT_EQ(golfers.find("Mulligan"), store::storeOk);
    EXPECT_EQ(golfers.record().street, "1 New Road");
}

TEST(TableAccess, FindingWhatIsNotThereReadsNothing) {
    test::TempDir dir;
    ScoreTable scores(dir.copyFixture("Scores"));
    ASSERT_EQ(scores.open(), store::storeOk);
    scores.record().golfer = "untouched";
    const int rc = scores.findRound("Okonkwo, Ike", "20000101");
    EXPECT_TRUE(rc == store::storeAfter || rc == store::storeEof) << rc;
    EXPECT_EQ(scores.record().golfer, "untouched");

    // A golfer without rounds: the row found belongs to the next golfer downwards.
    ASSERT_EQ(scores.findNewest("Nobody, Here"), store::storeOk);
    EXPECT_EQ(scores.record().golfer, "Mulligan");
    EXPECT_EQ(scores.findNewest("Aaa, Nobody"), store::storeEof);

    CourseTable courses(dir.copyFixture("Courses"));
    ASSERT_EQ(courses.open(), store::storeOk);
    EXPECT_EQ(courses.find("Alder", "Riverton", "KY", "Blue"), store::storeAfter);
    EXPECT_EQ(courses.find("Zzz", "", "", ""), store::storeEof);
    courses.record().name = "kept";
    EXPECT_EQ(courses.goTo(999), store::storeNoRecord);
    EXPECT_EQ(courses.record().name, "kept");
}

TEST(TableAccess, MasterCourseTableHoldsEachKeyOnce) {
    test::TempDir dir;
    CourseTable master(dir.copyFixture("KipCourses"));
    ASSERT_EQ(master.open(), store::storeOk);
    int rows = 0;
    for (int rc = master.goTop(); rc == store::storeOk; rc = master.skip())
        ++rows;
    EXPECT_EQ(rows, 629 - 5 - 1) << "five deleted rows and one key held by an earlier row";
    ASSERT_EQ(master.goTo(466), store::storeOk);
    const CourseRecord shared = master.record();
    master.copyRecordTo(master);
    EXPECT_EQ(master.add(), store::storeDuplicateKey);
    EXPECT_EQ(shared.name, master.record().name);
}

TEST(TableAccess, CopiedCourseGoesIntoARound) {
    test::TempDir dir;
    CourseTable courses(dir.copyFixture("Courses"));
    ScoreTable scores(dir.path() + "Scores");
    ASSERT_EQ(courses.open(), store::storeOk);
    ASSERT_EQ(scores.create(), store::storeOk);
    ASSERT_EQ(courses.find("Links at Dunmore", "Dunmore", "Antrim", "Red"), store::storeOk);
    courses.copyRecordTo(scores);
    scores.record().golfer = "Dunmore, Pat";
    scores.record().year = 2024;
    scores.record().month = 6;
    scores.record().day = 1;
    ASSERT_EQ(scores.add(), store::storeOk);
    ASSERT_EQ(scores.findNewest("Dunmore, Pat"), store::storeOk);
    EXPECT_EQ(scores.record().name, "Links at Dunmore");
    EXPECT_EQ(scores.record().tee, "Red");
    EXPECT_TRUE(scores.record().inMetres());
    EXPECT_EQ(scores.parArray(), courses.parArray());
    EXPECT_EQ(scores.record().city, "") << "a round keeps no address of its course";
}

TEST(TableAccess, ClosePacksOnlyWhenDeletionsAskedForIt) {
    test::TempDir dir;
    const std::string path = dir.copyFixture("Scores");
    const auto size = fs::file_size(path + ".dbf");
    {
        ScoreTable scores(path);
        ASSERT_EQ(scores.open(), store::storeOk);
        ASSERT_EQ(scores.findNewest("Mulligan"), store::storeOk);
        ASSERT_EQ(scores.remove(), store::storeOk);
        EXPECT_EQ(scores.close(), store::storeOk);
    }
    EXPECT_EQ(fs::file_size(path + ".dbf"), size) << "a deleted row stays until a pack";
    ScoreTable scores(path);
    ASSERT_EQ(scores.open(), store::storeOk);
    scores.packOnClose = 1;
    EXPECT_EQ(scores.close(), store::storeOk);
    EXPECT_EQ(scores.packOnClose, 0);
    EXPECT_EQ(fs::file_size(path + ".dbf"), size - 5 * 293);
}

TEST(TableAccess, TablesThatAreNotGolfTablesAreRefused) {
    test::TempDir dir;
    const std::string golfersAsCourses = dir.copyFixture("Golfers");
    CourseTable courses(golfersAsCourses);
    EXPECT_LT(courses.open(), 0) << "wrong tag";
    EXPECT_FALSE(courses.isOpen());
    EXPECT_EQ(courses.goTop(), store::storeErrState);

    store::TableContext context;
    store::initContext(context);
    store::Table* table =
        store::createTable(context, dir.path() + "Odd", {{"NAME", 'C', 40, 0}},
                           {{"COURSETAG", "NAME", ".NOT. DELETED()", store::uniqueRefuse, 0}});
    ASSERT_NE(table, nullptr);
    store::closeTable(table);
    CourseTable odd(dir.path() + "Odd");
    EXPECT_LT(odd.open(), 0) << "fields missing";
    EXPECT_FALSE(odd.isOpen());
    EXPECT_LT(CourseTable(dir.path() + "Missing").open(), 0);

    // Every field present, but one of them not as the layout has it: the par bytes too few for 19
    // holes, the rating without its decimal (every rewrite would round it), a text field as a number.
    const auto field = [](const std::string& name) {
        const auto layout = courseFields();
        for (std::size_t i = 0; i < layout.size(); ++i)
            if (layout[i].name == name)
                return i;
        return layout.size();
    };
    std::vector<std::vector<store::FieldSpec>> variants(4, courseFields());
    variants[0][4].width = 10;
    variants[1][field("RATING")].decimals = 0;
    variants[2][field("FLAGS")].type = 'N';
    variants[3][field("RATING")].type = 'N'; // N and F both hold numbers: accepted
    for (std::size_t v = 0; v < variants.size(); ++v) {
        const std::string name = dir.path() + "Variant" + std::to_string(v);
        store::TableContext other;
        store::initContext(other);
        table = store::createTable(other, name, variants[v], {courseTag()});
        ASSERT_NE(table, nullptr);
        store::appendStart(table);
        store::blankRecord(table);
        store::appendRecord(table);
        store::closeTable(table);
        CourseTable variant(name);
        if (v == 3) {
            EXPECT_EQ(variant.open(), store::storeOk);
            continue;
        }
        EXPECT_EQ(variant.open(), store::storeErrCorrupt) << v;
        EXPECT_EQ(variant.goTop(), store::storeErrState) << v;
    }
}

TEST(GolferNames, JoinAndSplit) {
    EXPECT_EQ(joinGolferName("Smith  ", "Ann"), "Smith, Ann");
    EXPECT_EQ(joinGolferName("Mulligan", ""), "Mulligan,");
    EXPECT_EQ(joinGolferName(std::string(45, 'L'), "A"), std::string(40, 'L'));
    std::string accents;
    for (int i = 0; i < 40; ++i)
        accents += "é";
    // "Ünal, " is six characters, so 34 of the two-byte letters fit.
    EXPECT_EQ(joinGolferName("Ünal", accents), "Ünal, " + accents.substr(0, 68)) << "cut by characters";

    EXPECT_EQ(splitGolferName("Smith,   Ann").last, "Smith");
    EXPECT_EQ(splitGolferName("Smith,   Ann").first, "Ann");
    EXPECT_EQ(splitGolferName("Smith, Ann, Jr").first, "Ann, Jr");
    EXPECT_EQ(splitGolferName("Mulligan").last, "Mulligan");
    EXPECT_EQ(splitGolferName("Mulligan").first, "");
    EXPECT_EQ(splitGolferName("Mulligan,").first, "");
    EXPECT_EQ(displayGolferName("Smith, Ann"), "Ann Smith");
    EXPECT_EQ(displayGolferName("Mulligan"), "Mulligan");
}

TEST(RoundsUsed, TablesOfTheThreeRules) {
    ScoreTable scores("unused");
    EXPECT_EQ(scores.roundsUsedTable(),
              (RoundsUsedTable{0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10}));
    scores.selectRoundsUsedTable(ruleLowestHalf);
    EXPECT_EQ(scores.roundsUsed(5), 3);
    EXPECT_EQ(scores.roundsUsed(20), 10);
    scores.selectRoundsUsedTable(ruleAllRecent);
    EXPECT_EQ(scores.roundsUsed(13), 13);
    scores.selectRoundsUsedTable(7);
    EXPECT_EQ(scores.handicapRule(), 7);
    EXPECT_EQ(scores.roundsUsed(20), 10);
    EXPECT_EQ(scores.roundsUsed(25), 10);
    EXPECT_EQ(scores.roundsUsed(-1), 0);
}

} // namespace
} // namespace kip::golfdb
