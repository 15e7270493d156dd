// Files this index writes must be byte-exact where the format leaves no choice, and must carry every
// tag attribute through a close and reopen.

#include "store/CompoundIndex.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>

using namespace kip::store;
using kip::test::readFile;
using kip::test::TempDir;

namespace {

std::string bytesAt(const std::string& file, size_t offset, size_t length) {
    return file.substr(offset, length);
}

std::string hexBytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

std::string padded(std::string text, size_t width, char fill = ' ') {
    text.resize(width, fill);
    return text;
}

// The three-row table of the format notes: PLAYER C(10) and DIFF N(5,1).
std::vector<IndexTagInfo> roundsTags() {
    IndexTagInfo player{"PLAYER", "PLAYER", "", 10, true, false, false};
    IndexTagInfo diff{"DIFF", "DIFF", "", 8, false, false, false};
    return {player, diff};
}

std::vector<std::vector<IndexEntry>> roundsEntries() {
    const std::string minus15 = hexBytes({0x40, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    const std::string plus125 = hexBytes({0xC0, 0x29, 0, 0, 0, 0, 0, 0});
    const std::string plus18 = hexBytes({0xC0, 0x32, 0, 0, 0, 0, 0, 0});
    return {{{padded("SMITH", 10), 1}, {padded("JONES", 10), 2}, {padded("SMITHSON", 10), 3}},
            {{plus125, 1}, {plus18, 2}, {minus15, 3}}};
}

std::string expectedPlayerLeaf() {
    std::string page(512, '\0');
    const std::string head = hexBytes({0x03, 0x00, 0x03, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xD2, 0x01, 0xFF, 0xFF, 0x00, 0x00, 0x0F, 0x0F, 0x10, 0x04,
                                       0x04, 0x03, 0x02, 0x00, 0x50, 0x01, 0x00, 0x50, 0x03, 0x00, 0x25});
    page.replace(0, head.size(), head);
    page.replace(512 - 13, 13, "SONSMITHJONES");
    return page;
}

std::string expectedDiffLeaf() {
    std::string page(512, '\0');
    const std::string head = hexBytes({0x03, 0x00, 0x03, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xD4, 0x01, 0xFF, 0xFF, 0x00, 0x00, 0x0F, 0x0F, 0x10, 0x04,
                                       0x04, 0x03, 0x03, 0x00, 0x00, 0x01, 0x00, 0x60, 0x02, 0x00, 0x61});
    page.replace(0, head.size(), head);
    const std::string tail = hexBytes({0x32, 0xC0, 0x29, 0x40, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    page.replace(512 - tail.size(), tail.size(), tail);
    return page;
}

TEST(CompoundIndexWrite, FreshFileMatchesTheWorkedExampleByteForByte) {
    TempDir dir;
    const std::string path = dir.file("rounds.cdx");
    ASSERT_EQ(storeOk, CompoundIndex::writeFresh(path, roundsTags(), roundsEntries()));
    const std::string file = readFile(path);
    ASSERT_EQ(0x1200u, file.size());

    EXPECT_EQ(hexBytes({0x00, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0A, 0x00, 0xE0, 0x01}),
              bytesAt(file, 0, 16));
    EXPECT_EQ(hexBytes({0, 0, 1, 0, 1, 0, 0, 0, 1, 0}), bytesAt(file, 502, 10));

    const std::string directory = bytesAt(file, 0x400, 512);
    EXPECT_EQ(hexBytes({0x03, 0x00, 0x02, 0x00}), directory.substr(0, 4));
    EXPECT_EQ(hexBytes({0xD8, 0x01}), directory.substr(12, 2)); // 472 free
    EXPECT_EQ(hexBytes({0x00, 0x0C, 0x60, 0x00, 0x06, 0x40}), directory.substr(24, 6));
    EXPECT_EQ("PLAYERDIFF", directory.substr(502));

    const std::string player = bytesAt(file, 0x600, 1024);
    EXPECT_EQ(hexBytes({0x00, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0A, 0x00, 0x60, 0x01}),
              player.substr(0, 16));
    EXPECT_EQ(hexBytes({0, 0, 7, 0, 1, 0, 0, 0, 7, 0}), player.substr(502, 10));
    EXPECT_EQ(std::string("PLAYER\0\0", 8), player.substr(512, 8));

    EXPECT_EQ(expectedPlayerLeaf(), bytesAt(file, 0xA00, 512));
    EXPECT_EQ(hexBytes({0x00, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x00, 0x60, 0x01}),
              bytesAt(file, 0xC00, 16));
    EXPECT_EQ(expectedDiffLeaf(), bytesAt(file, 0x1000, 512));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(CompoundIndexWrite, CreateWritesEmptyTagsAndInsertsReachTheSameLeaf) {
    TempDir dir;
    const std::string path = dir.file("rounds.cdx");
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::create(path, roundsTags(), index));
    std::string file = readFile(path);
    ASSERT_EQ(0x1200u, file.size());
    std::string emptyRoot(512, '\0');
    emptyRoot.replace(0, 14,
                      hexBytes({0x03, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE8, 0x01}));
    emptyRoot.replace(14, 10, hexBytes({0xFF, 0xFF, 0, 0, 0x0F, 0x0F, 0x10, 0x04, 0x04, 0x03}));
    EXPECT_EQ(emptyRoot, bytesAt(file, 0xA00, 512));
    EXPECT_EQ(hexBytes({0, 0, 0, 0}), bytesAt(file, 8, 4)); // update counter of a new file

    const auto entries = roundsEntries();
    for (int tag = 0; tag < 2; ++tag) {
        for (const IndexEntry& e : entries[tag])
            ASSERT_EQ(storeOk, index->insert(tag, e.key, e.record));
    }
    ASSERT_EQ(storeOk, index->flush());
    ASSERT_EQ(storeOk, index->flush()); // nothing changed: the counter stays
    file = readFile(path);
    EXPECT_EQ(expectedPlayerLeaf(), bytesAt(file, 0xA00, 512));
    EXPECT_EQ(expectedDiffLeaf(), bytesAt(file, 0x1000, 512));
    EXPECT_EQ(hexBytes({0, 0, 0, 1}), bytesAt(file, 8, 4));

    std::unique_ptr<CompoundIndex> again;
    EXPECT_EQ(storeErrExists, CompoundIndex::create(path, roundsTags(), again));
    EXPECT_EQ(file, readFile(path));
}

TEST(CompoundIndexWrite, TagAttributesSurviveReopen) {
    TempDir dir;
    const std::string path = dir.file("t.cdx");
    std::vector<IndexTagInfo> tags{
        {"coursetag", "NAME+CITY+STATE+TEE", ".NOT. DELETED()", 95, true, true, false},
        {"SCORESTAG", "GOLFER+DATE", ".NOT. DELETED()", 48, true, false, true},
        {"PLAIN", "NAME", "", 40, true, false, false}};
    {
        std::unique_ptr<CompoundIndex> index;
        ASSERT_EQ(storeOk, CompoundIndex::create(path, tags, index));
        ASSERT_EQ(storeOk, index->close());
    }
    const std::string file = readFile(path);
    EXPECT_EQ('\x69', file[0x600 + 14]);
    EXPECT_EQ('\x68', file[0xC00 + 14]);
    EXPECT_EQ('\x60', file[0x1200 + 14]);
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::open(path, false, index));
    ASSERT_EQ(3, index->tagCount());
    EXPECT_EQ("COURSETAG", index->tagInfo(0).name); // creation order, not directory order
    EXPECT_EQ("SCORESTAG", index->tagInfo(1).name);
    EXPECT_EQ("PLAIN", index->tagInfo(2).name);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tags[i].keyExpression, index->tagInfo(i).keyExpression);
        EXPECT_EQ(tags[i].forExpression, index->tagInfo(i).forExpression);
        EXPECT_EQ(tags[i].keyLength, index->tagInfo(i).keyLength);
        EXPECT_EQ(tags[i].unique, index->tagInfo(i).unique);
        EXPECT_EQ(tags[i].descending, index->tagInfo(i).descending);
        std::string problem;
        EXPECT_EQ(storeOk, index->verify(i, problem)) << problem;
    }
}

TEST(CompoundIndexWrite, BadTagListsAreRefusedWithoutAFile) {
    TempDir dir;
    std::unique_ptr<CompoundIndex> index;
    const IndexTagInfo good{"A", "NAME", "", 10, true, false, false};
    IndexTagInfo longName = good, zeroKey = good, hugeKey = good, bigPool = good;
    longName.name = "ELEVENCHARS";
    zeroKey.keyLength = 0;
    hugeKey.keyLength = 241;
    bigPool.forExpression = std::string(510, 'X');
    for (const auto& tags : std::vector<std::vector<IndexTagInfo>>{
             {longName}, {zeroKey}, {hugeKey}, {bigPool}, {good, good}, {}}) {
        EXPECT_EQ(storeErrArgument, CompoundIndex::create(dir.file("x.cdx"), tags, index));
        EXPECT_FALSE(std::filesystem::exists(dir.file("x.cdx")));
    }
    EXPECT_EQ(storeErrArgument,
              CompoundIndex::writeFresh(dir.file("y.cdx"), {good}, {{{std::string(9, 'A'), 1}}}));
}

TEST(CompoundIndexWrite, WriteFreshReplacesAnOpenFileAndBumpsItsCounter) {
    TempDir dir;
    const std::string path = dir.file("r.cdx");
    ASSERT_EQ(storeOk, CompoundIndex::writeFresh(path, roundsTags(), roundsEntries()));
    auto entries = roundsEntries();
    entries[0].push_back({padded("ADAMS", 10), 4});
    entries[0].push_back({padded("ADAMS", 10), 4}); // the same pair twice is one entry
    ASSERT_EQ(storeOk, CompoundIndex::writeFresh(path, roundsTags(), entries));
    EXPECT_EQ(hexBytes({0, 0, 0, 1}), readFile(path).substr(8, 4));
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::open(path, true, index));
    EXPECT_EQ(4, index->keyCount(0));
    IndexEntry e;
    ASSERT_EQ(storeOk, index->first(0, e));
    EXPECT_EQ(4u, e.record);
}

TEST(CompoundIndexWrite, UniqueRebuildKeepsTheLowestRecordOfEachKey) {
    TempDir dir;
    const std::string path = dir.file("u.cdx");
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::create(path, {{"U", "NAME", "", 10, true, true, false}}, index));
    ASSERT_EQ(
        storeOk,
        index->rebuild(
            0, {{padded("B", 10), 9}, {padded("A", 10), 7}, {padded("B", 10), 3}, {padded("A", 10), 8}}));
    EXPECT_EQ(2, index->keyCount(0));
    EXPECT_EQ(7u, index->findKey(0, padded("A", 10)));
    EXPECT_EQ(3u, index->findKey(0, padded("B", 10)));
    std::string problem;
    EXPECT_EQ(storeOk, index->verify(0, problem)) << problem;
}

} // namespace

TEST(CompoundIndexWrite, LargeFreshIndexHoldsEveryKeyInOrderAcrossItsTwoHalves) {
    // Enough keys for the leaves to be filled in two halves: the tree must link and walk as one.
    TempDir dir;
    const std::string path = dir.file("big.cdx");
    IndexTagInfo tag{"NEWEST", "GOLFER+DATE", "", 16, true, false, true};
    std::vector<IndexEntry> entries;
    for (uint32_t r = 1; r <= 90000; ++r)
        entries.push_back(
            {padded("G" + std::to_string(r * 7919 % 1000), 8) + std::to_string(20000000 + r % 977), r});
    ASSERT_EQ(storeOk, CompoundIndex::writeFresh(path, {tag}, {entries}));
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::open(path, true, index));
    std::string problem;
    EXPECT_EQ(storeOk, index->verify(0, problem)) << problem;
    EXPECT_EQ(index->keyCount(0), 90000);
    const SortedKeys expected = SortedKeys::of(entries, 16, false);
    IndexEntry e;
    size_t i = 0;
    for (int rc = index->first(0, e); rc == storeOk; rc = index->next(0, e.key, e.record, e), ++i)
        if (i >= expected.size() || e.key != expected.key(i) || e.record != expected.record(i))
            break;
    EXPECT_EQ(i, expected.size());
    size_t back = expected.size();
    for (int rc = index->last(0, e); rc == storeOk; rc = index->previous(0, e.key, e.record, e))
        if (back == 0 || e.key != expected.key(--back) || e.record != expected.record(back))
            break;
    EXPECT_EQ(back, 0u);
}
