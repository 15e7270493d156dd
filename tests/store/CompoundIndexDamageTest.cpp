// Damaged and hostile index files: open (or the operation that meets the damage) reports
// storeErrIndex; nothing crashes, hangs or reads outside the file.

#include "store/CompoundIndex.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

using namespace kip::store;
using kip::test::TempDir;

namespace {

// KipCourses.cdx: tag header at 0x600, an interior root at 0x4600 with two children, K = 95; the
// tree has two interior levels above its leaves.
constexpr size_t tagHeader = 0x600;
constexpr size_t interiorRoot = 0x4600;
constexpr size_t keyLength = 95;
constexpr size_t firstChildField = interiorRoot + 12 + keyLength + 4;
constexpr size_t secondChildField = firstChildField + keyLength + 8;

void putLe32(std::string& file, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<char>(v >> (8 * i));
}
void putBe32(std::string& file, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<char>(v >> (24 - 8 * i));
}
void putLe16(std::string& file, size_t at, uint32_t v) {
    file[at] = static_cast<char>(v);
    file[at + 1] = static_cast<char>(v >> 8);
}
uint32_t getBe32(const std::string& file, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = v << 8 | static_cast<unsigned char>(file[at + i]);
    return v;
}

size_t firstLeaf(const std::string& file) {
    size_t at = interiorRoot;
    for (int depth = 0; depth < 8 && (file[at] & 2) == 0; ++depth)
        at = getBe32(file, at + 12 + keyLength + 4);
    return at;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Damage {
    const char* what;
    std::function<void(std::string&)> apply;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.what;
}

class DamagedIndex : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedIndex, OpenReportsAnIndexError) {
    TempDir dir;
    std::string file = kip::test::readFile(kip::test::fixturePath("KipCourses.cdx"));
    ASSERT_EQ(1, file[interiorRoot]) << "fixture layout changed";
    ASSERT_EQ(2, file[interiorRoot + 2]) << "fixture layout changed";
    GetParam().apply(file);
    const std::string path = dir.file("bad.cdx");
    writeFile(path, file);
    for (const bool readOnly : {true, false}) {
        std::unique_ptr<CompoundIndex> index;
        EXPECT_EQ(storeErrIndex, CompoundIndex::open(path, readOnly, index));
        EXPECT_FALSE(index);
    }
}

const Damage damages[] = {
    {"RootNotOnAPageBoundary", [](std::string& f) { putLe32(f, tagHeader, interiorRoot + 1); }},
    {"RootOutsideTheFile", [](std::string& f) { putLe32(f, tagHeader, 0x7FFFFE00); }},
    {"RootInsideTheFileHeader", [](std::string& f) { putLe32(f, tagHeader, 0); }},
    {"ChildPointsBackToItsParent", [](std::string& f) { putBe32(f, firstChildField, interiorRoot); }},
    {"TwoEntriesShareAChild",
     [](std::string& f) { putBe32(f, secondChildField, getBe32(f, firstChildField)); }},
    {"ChildIsTheTagHeader", [](std::string& f) { putBe32(f, firstChildField, tagHeader); }},
    {"InteriorCountBeyondThePage", [](std::string& f) { putLe16(f, interiorRoot + 2, 0xFFFF); }},
    {"EmptyInteriorNode", [](std::string& f) { putLe16(f, interiorRoot + 2, 0); }},
    {"LeafCountBeyondThePage", [](std::string& f) { putLe16(f, firstLeaf(f) + 2, 0xFFFF); }},
    {"LeafRecordBitsBeyondTheEntry", [](std::string& f) { f[firstLeaf(f) + 20] = 60; }},
    {"LeafEntryWidthZero", [](std::string& f) { f[firstLeaf(f) + 23] = 0; }},
    {"LeafKeysOverlapTheEntries",
     [](std::string& f) {
         // No bits for dup and trail counts: every entry claims a full key, far more than 488 bytes.
         const size_t leaf = firstLeaf(f);
         f[leaf + 21] = 0;
         f[leaf + 22] = 0;
     }},
    {"KeyLengthZero", [](std::string& f) { putLe16(f, tagHeader + 12, 0); }},
    {"KeyLengthAbove240", [](std::string& f) { putLe16(f, tagHeader + 12, 241); }},
    {"KeyExpressionBeyondThePool", [](std::string& f) { putLe16(f, tagHeader + 510, 600); }},
    {"ForExpressionBeyondThePool", [](std::string& f) { putLe16(f, tagHeader + 504, 500); }},
    {"DirectoryPointsOutsideTheFile",
     [](std::string& f) {
         f[0x400 + 24] = 0; // the entry's record is the tag header offset: 0xFE00 lies past the end
         f[0x400 + 25] = '\xFE';
     }},
    {"DirectoryRootIsTheFileHeader", [](std::string& f) { putLe32(f, 0, 0x200); }},
    {"DirectoryKeyLengthZero", [](std::string& f) { putLe16(f, 12, 0); }},
    {"TruncatedToThreePages", [](std::string& f) { f.resize(0x600); }},
    {"TruncatedMidTree", [](std::string& f) { f.resize(f.size() / 2); }},
    {"ShorterThanTheHeader", [](std::string& f) { f.resize(700); }},
    {"ZeroFilled", [](std::string& f) { f.assign(f.size(), '\0'); }},
};

INSTANTIATE_TEST_SUITE_P(Cases, DamagedIndex, ::testing::ValuesIn(damages),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(DamagedIndexFile, MissingFileIsAnOpenError) {
    TempDir dir;
    std::unique_ptr<CompoundIndex> index;
    EXPECT_EQ(storeErrOpen, CompoundIndex::open(dir.file("none.cdx"), false, index));
}

TEST(DamagedIndexFile, AFreeListThroughALivePageIsDroppedNotReused) {
    TempDir dir;
    const std::string path = dir.file("f.cdx");
    std::string file = kip::test::readFile(kip::test::fixturePath("KipCourses.cdx"));
    putLe32(file, 4, static_cast<uint32_t>(interiorRoot)); // the free list starts at a live page
    writeFile(path, file);
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::open(path, false, index));
    for (uint32_t r = 1000; r < 1400; ++r)
        ASSERT_EQ(storeOk, index->insert(0, std::string(95, static_cast<char>('A' + r % 26)), r));
    std::string problem;
    EXPECT_EQ(storeOk, index->verify(0, problem)) << problem;
    EXPECT_EQ(623 + 400, index->keyCount(0));
}

TEST(DamagedIndexFile, VerifyNamesAWrongFreeSpaceField) {
    TempDir dir;
    const std::string path = dir.file("v.cdx");
    std::string file = kip::test::readFile(kip::test::fixturePath("Golfers.cdx"));
    const size_t root = static_cast<unsigned char>(file[0x600]) | static_cast<unsigned char>(file[0x601])
                                                                      << 8;
    file[root + 12] = static_cast<char>(file[root + 12] + 1);
    writeFile(path, file);
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(storeOk, CompoundIndex::open(path, true, index)); // readers do not need the field
    std::string problem;
    EXPECT_EQ(storeErrIndex, index->verify(0, problem));
    EXPECT_NE(std::string::npos, problem.find("free-space"));
}

// Random byte damage anywhere in the tree: whatever open says, walking, seeking and changing the
// index must stay bounded and inside the file.
TEST(DamagedIndexFile, RandomByteDamageNeverCrashesOrHangs) {
    TempDir dir;
    const std::string original = kip::test::readFile(kip::test::fixturePath("KipCourses.cdx"));
    const std::string path = dir.file("r.cdx");
    std::mt19937 rng(2024);
    int opened = 0;
    for (int round = 0; round < 300; ++round) {
        std::string file = original;
        const int hits = 1 + round % 6;
        for (int h = 0; h < hits; ++h) {
            const size_t at = std::uniform_int_distribution<size_t>(0, file.size() - 1)(rng);
            file[at] = static_cast<char>(rng());
        }
        writeFile(path, file);
        std::unique_ptr<CompoundIndex> index;
        const int rc = CompoundIndex::open(path, false, index);
        if (rc != storeOk) {
            EXPECT_LT(rc, 0);
            continue;
        }
        ++opened;
        for (int tag = 0; tag < index->tagCount(); ++tag) {
            const int k = index->tagInfo(tag).keyLength;
            IndexEntry e;
            long steps = 0;
            for (int r = index->first(tag, e); r == storeOk && steps <= index->keyCount(tag);
                 r = index->next(tag, e.key, e.record, e))
                ++steps;
            EXPECT_LE(steps, index->keyCount(tag));
            index->seekLastAtOrBelow(tag, "M", e);
            for (uint32_t r = 1; r <= 50; ++r)
                index->insert(tag, std::string(k, static_cast<char>('A' + r % 26)), r + 700);
            for (uint32_t r = 1; r <= 50; ++r)
                index->remove(tag, std::string(k, static_cast<char>('A' + r % 26)), r + 700);
            std::string problem;
            index->verify(tag, problem);
        }
        index->close();
    }
    EXPECT_GT(opened, 0); // some damage lands in bytes readers ignore
}

} // namespace
