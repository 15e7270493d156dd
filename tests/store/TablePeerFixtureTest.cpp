// Tables written by an independent FoxPro-compatible program: the store must walk, seek and read
// them as that program does, and leave them readable after its own writes.

#include "TableTestTools.h"
#include "store/DbfExaminer.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kip::store {
namespace {

struct PeerTable {
    const char* name;
    const char* tag;
};

void PrintTo(const PeerTable& table, std::ostream* out) {
    *out << table.name;
}

const PeerTable peerTables[] = {
    {"Courses", "COURSETAG"}, {"KipCourses", "COURSETAG"}, {"Golfers", "PEOPLETAG"}, {"Scores", "SCORESTAG"}};

std::vector<long> expectedOrder(const std::string& table) {
    std::istringstream in(test::readFile(test::fixturePath(table + ".expected.txt")));
    std::vector<long> order;
    bool inKeys = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("keys\t", 0) == 0)
            inKeys = true;
        else if (line.rfind("end-keys\t", 0) == 0)
            inKeys = false;
        else if (inKeys)
            order.push_back(std::stol(line.substr(0, line.find('\t'))));
    }
    return order;
}

std::string withoutFirstLine(const std::string& text) {
    return text.substr(text.find('\n') + 1);
}

class TablePeerFixtureTest : public ::testing::TestWithParam<PeerTable> {
protected:
    test::TempDir dir;
    TableContext ctx;
};

TEST_P(TablePeerFixtureTest, WalksInThePeersKeyOrder) {
    const std::string path = dir.copyFixture(GetParam().name);
    Table* t = openTable(ctx, path);
    ASSERT_NE(t, nullptr) << ctx.result();
    Tag* tag = findTag(t, GetParam().tag);
    ASSERT_NE(tag, nullptr);
    selectTag(t, tag);
    const auto expected = expectedOrder(GetParam().name);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(test::walk(t), expected);
}

TEST_P(TablePeerFixtureTest, DumpAndRecordsMatchThePeer) {
    const std::string path = dir.copyFixture(GetParam().name);
    DbfExaminer examiner;
    ASSERT_EQ(examiner.open(path + ".dbf"), storeOk);
    std::ostringstream dump, records;
    examiner.dump(dump);
    examiner.listRecords(records);
    const std::string expected =
        test::readFile(test::fixturePath(std::string(GetParam().name) + ".expected.txt"));
    EXPECT_EQ(dump.str(), withoutFirstLine(expected));
    EXPECT_EQ(records.str(),
              test::readFile(test::fixturePath(std::string(GetParam().name) + ".records.txt")));
    EXPECT_TRUE(examiner.check().empty());
}

TEST_P(TablePeerFixtureTest, StaysIntactAfterAppendDeleteAndPack) {
    const std::string path = dir.copyFixture(GetParam().name);
    Table* t = openTable(ctx, path);
    ASSERT_NE(t, nullptr);
    Tag* tag = findTag(t, GetParam().tag);
    selectTag(t, tag);
    setUniqueMode(tag, uniqueRefuse);
    const long before = recordCount(t);
    ASSERT_EQ(goTop(t), storeOk);
    deleteRecord(t);
    ASSERT_EQ(flushTable(t), storeOk);
    ASSERT_EQ(appendStart(t), storeOk);
    blankRecord(t);
    assignText(fieldByName(t, "NAME"), "Zz new row");
    ASSERT_EQ(appendRecord(t), storeOk);
    ASSERT_EQ(flushTable(t), storeOk);
    EXPECT_EQ(closeTable(t), storeOk);

    DbfExaminer afterWrites;
    ASSERT_EQ(afterWrites.open(path + ".dbf"), storeOk);
    EXPECT_EQ(afterWrites.check(), std::vector<std::string>{});

    t = openTable(ctx, path);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(packTable(t), storeOk);
    EXPECT_LT(recordCount(t), before + 1);
    closeTable(t);
    DbfExaminer afterPack;
    ASSERT_EQ(afterPack.open(path + ".dbf"), storeOk);
    EXPECT_EQ(afterPack.check(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Peer, TablePeerFixtureTest, ::testing::ValuesIn(peerTables),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TablePeerSeek, ScoresSeekLandsWhereThePeerDoes) {
    test::TempDir dir;
    TableContext ctx;
    Table* t = openTable(ctx, dir.copyFixture("Scores"));
    ASSERT_NE(t, nullptr);
    selectTag(t, findTag(t, "scorestag"));
    const auto order = expectedOrder("Scores");
    Field* golfer = fieldByName(t, "GOLFER");
    Field* date = fieldByName(t, "DATE");

    // Newest round of a golfer: the first record of that golfer in the descending walk.
    ASSERT_EQ(goRecord(t, 12), storeOk);
    const std::string tomas = fieldText(golfer);
    EXPECT_EQ(seekKey(t, tomas + "99999999"), storeAfter);
    const long newest = recordNumber(t);
    for (long r : order) {
        goRecord(t, r);
        if (fieldText(golfer) == tomas) {
            EXPECT_EQ(r, newest);
            break;
        }
    }
    // Two rounds on one day: the seek finds the higher record first, then the other.
    EXPECT_EQ(seekKey(t, tomas + "20190805"), storeOk);
    EXPECT_EQ(recordNumber(t), 61);
    EXPECT_EQ(skipRecords(t, 1), storeOk);
    EXPECT_EQ(recordNumber(t), 12);
    EXPECT_EQ(fieldText(date), "20190805");
    // A name below every golfer: nothing at or below it in descending order.
    EXPECT_EQ(seekKey(t, "@"), storeEof);
}

TEST(TablePeerSeek, CourseSeekFindsEveryKeyGroup) {
    test::TempDir dir;
    TableContext ctx;
    Table* t = openTable(ctx, dir.copyFixture("KipCourses"));
    ASSERT_NE(t, nullptr);
    selectTag(t, findTag(t, "COURSETAG"));
    EXPECT_EQ(seekKey(t, "Alder"), storeOk);
    EXPECT_EQ(seekKey(t, "Aldez"), storeAfter);
    EXPECT_EQ(seekKey(t, "\x7F"), storeEof);
    // Rows 466 and 626 share a key; only 466 is in the unique tag.
    ASSERT_EQ(goRecord(t, 626), storeOk);
    const std::string key = fieldText(fieldByName(t, "NAME")) + fieldText(fieldByName(t, "CITY")) +
                            fieldText(fieldByName(t, "STATE")) + fieldText(fieldByName(t, "TEE"));
    EXPECT_EQ(seekKey(t, key), storeOk);
    EXPECT_EQ(recordNumber(t), 466);
}

} // namespace
} // namespace kip::store
