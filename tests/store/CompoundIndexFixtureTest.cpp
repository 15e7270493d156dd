// Reading indexes written by an independent FoxPro-compatible program: every tag must walk in exactly
// the order that program reports, and seeks must land where the table layer expects them.

#include "store/CompoundIndex.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

using namespace kip::store;

namespace {

struct ExpectedTag {
    std::string name, keyExpression, forExpression;
    bool unique = false, descending = false;
    long keyCount = 0;
    std::vector<IndexEntry> keys; // in the order the tag is walked
};

std::string fromHex(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

ExpectedTag readExpected(const std::string& table) {
    std::ifstream in(kip::test::fixturePath(table + ".expected.txt"));
    ExpectedTag tag;
    std::string line;
    bool inKeys = false;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string label, value;
        std::getline(fields, label, '\t');
        std::getline(fields, value, '\t');
        if (inKeys && label != "end-keys") {
            tag.keys.push_back({fromHex(value), static_cast<uint32_t>(std::stoul(label))});
            continue;
        }
        inKeys = label == "keys";
        if (label == "tag")
            std::getline(fields, tag.name, '\t');
        else if (label == "tag-key")
            tag.keyExpression = value;
        else if (label == "tag-for")
            tag.forExpression = value;
        else if (label == "tag-unique")
            tag.unique = value == "yes";
        else if (label == "tag-descending")
            tag.descending = value == "yes";
        else if (label == "tag-keycount")
            tag.keyCount = std::stol(value);
    }
    return tag;
}

std::unique_ptr<CompoundIndex> openFixture(const std::string& table) {
    std::unique_ptr<CompoundIndex> index;
    EXPECT_EQ(storeOk, CompoundIndex::open(kip::test::fixturePath(table + ".cdx"), true, index));
    return index;
}

// Walks the tag the way the table layer does: a descending tag from its last entry backwards.
std::vector<IndexEntry> walk(CompoundIndex& index, int tag, bool descending) {
    std::vector<IndexEntry> out;
    IndexEntry e;
    int rc = descending ? index.last(tag, e) : index.first(tag, e);
    while (rc == storeOk && out.size() <= static_cast<size_t>(index.keyCount(tag))) {
        out.push_back(e);
        rc = descending ? index.previous(tag, e.key, e.record, e) : index.next(tag, e.key, e.record, e);
    }
    EXPECT_EQ(storeEof, rc);
    return out;
}

class PeerFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(PeerFixture, TagHeaderAndKeyOrderMatchThePeerDump) {
    const ExpectedTag expected = readExpected(GetParam());
    auto index = openFixture(GetParam());
    ASSERT_TRUE(index);
    ASSERT_EQ(1, index->tagCount());
    const IndexTagInfo& info = index->tagInfo(0);
    EXPECT_EQ(expected.name, info.name);
    EXPECT_EQ(expected.keyExpression, info.keyExpression);
    EXPECT_EQ(expected.forExpression, info.forExpression);
    EXPECT_EQ(expected.unique, info.unique);
    EXPECT_EQ(expected.descending, info.descending);
    EXPECT_EQ(static_cast<int>(expected.keys.front().key.size()), info.keyLength);
    std::string lower = expected.name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(0, index->findTagNumber(lower));
    EXPECT_EQ(-1, index->findTagNumber("NOSUCHTAG"));
    EXPECT_EQ(expected.keyCount, index->keyCount(0));

    const auto walked = walk(*index, 0, info.descending);
    ASSERT_EQ(expected.keys.size(), walked.size());
    for (size_t i = 0; i < walked.size(); ++i) {
        EXPECT_EQ(expected.keys[i].record, walked[i].record) << "position " << i;
        EXPECT_EQ(expected.keys[i].key, walked[i].key) << "position " << i;
    }
    std::string problem;
    EXPECT_EQ(storeOk, index->verify(0, problem)) << problem;
}

TEST_P(PeerFixture, WalkingTheOtherWayGivesTheReverseOrder) {
    const ExpectedTag expected = readExpected(GetParam());
    auto index = openFixture(GetParam());
    ASSERT_TRUE(index);
    auto walked = walk(*index, 0, !expected.descending);
    std::reverse(walked.begin(), walked.end());
    ASSERT_EQ(expected.keys.size(), walked.size());
    for (size_t i = 0; i < walked.size(); ++i)
        EXPECT_EQ(expected.keys[i].record, walked[i].record) << "position " << i;
}

TEST_P(PeerFixture, EveryKeyIsFoundBySeekAndFindKey) {
    const ExpectedTag expected = readExpected(GetParam());
    auto index = openFixture(GetParam());
    ASSERT_TRUE(index);
    for (const IndexEntry& e : expected.keys) {
        IndexEntry found;
        ASSERT_EQ(storeOk, index->seekFirstAtOrAbove(0, e.key, found));
        EXPECT_EQ(e.key, found.key);
        const uint32_t lowest = index->findKey(0, e.key);
        EXPECT_EQ(found.record, lowest);
        EXPECT_LE(lowest, e.record);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, PeerFixture,
                         ::testing::Values("Courses", "KipCourses", "Golfers", "Scores"));

TEST(PeerFixtureSeek, DescendingScoresSeekFindsNewestRoundOfAGolfer) {
    auto index = openFixture("Scores");
    ASSERT_TRUE(index);
    std::string golfer = "Zielinski, Walt";
    golfer.resize(40, ' ');
    IndexEntry e;
    ASSERT_EQ(storeOk, index->seekLastAtOrBelow(0, golfer + "99999999", e));
    EXPECT_EQ(48u, e.record); // 2024-07-11, the newest round of the last golfer
    EXPECT_EQ(golfer + "20240711", e.key);

    // Two rounds on the same day come out higher record first when walked backwards.
    std::string tomas = "Brightwater, Tomas";
    tomas.resize(40, ' ');
    ASSERT_EQ(storeOk, index->seekLastAtOrBelow(0, tomas + "20190805", e));
    EXPECT_EQ(61u, e.record);
    ASSERT_EQ(storeOk, index->previous(0, e.key, e.record, e));
    EXPECT_EQ(12u, e.record);
}

TEST(PeerFixtureSeek, SeeksPastEitherEndReportEof) {
    auto index = openFixture("Courses");
    ASSERT_TRUE(index);
    IndexEntry e;
    EXPECT_EQ(storeEof, index->seekFirstAtOrAbove(0, "\xFF", e));
    EXPECT_EQ(storeEof, index->seekLastAtOrBelow(0, std::string(1, '\0'), e));
    ASSERT_EQ(storeOk, index->seekFirstAtOrAbove(0, "Alderw", e));
    EXPECT_EQ(2u, e.record);
    ASSERT_EQ(storeOk, index->seekFirstAtOrAbove(0, "B", e));
    EXPECT_EQ(5u, e.record);
    EXPECT_EQ(0u, index->findKey(0, std::string(95, 'Q')));
}

TEST(PeerFixtureSeek, ReadOnlyIndexRefusesChanges) {
    auto index = openFixture("Golfers");
    ASSERT_TRUE(index);
    EXPECT_TRUE(index->readOnly());
    EXPECT_EQ(storeErrAccess, index->insert(0, std::string(40, 'A'), 99));
    EXPECT_EQ(storeErrAccess, index->remove(0, std::string(40, 'A'), 99));
}

} // namespace
