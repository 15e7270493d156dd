// Damaged and hostile files: every operation ends with a result code, never a crash or a hang.

#include "store/DbfExaminer.h"
#include "store/TableStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace kip::store {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Opens, walks (bounded), seeks and packs; returns the open result.
int exercise(const std::string& path) {
    TableContext ctx;
    Table* t = openTable(ctx, path);
    if (t == nullptr)
        return ctx.result();
    if (Tag* tag = findTag(t, "COURSETAG"))
        selectTag(t, tag);
    for (int rc = goTop(t), steps = 0; rc == storeOk && steps < 5000; rc = skipRecords(t, 1), ++steps)
        fieldText(fieldByName(t, "NAME"));
    seekKey(t, "Alder");
    goRecord(t, 3);
    packTable(t);
    closeTable(t);
    return storeOk;
}

class TableBadFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        base = dir.copyFixture("Courses");
        dbf = test::readFile(base + ".dbf");
        cdx = test::readFile(base + ".cdx");
    }
    test::TempDir dir;
    std::string base, dbf, cdx;
};

TEST_F(TableBadFileTest, DamagedTableHeadersAreRefused) {
    const auto refused = [&](std::string bytes) {
        writeFile(base + ".dbf", bytes);
        return exercise(base) == storeErrCorrupt;
    };
    EXPECT_TRUE(refused(dbf.substr(0, 20)));             // truncated header
    EXPECT_TRUE(refused(std::string(dbf.size(), '\0'))); // zero-filled
    std::string manyRecords = dbf;
    manyRecords[7] = '\x7F'; // count far beyond the file
    EXPECT_TRUE(refused(manyRecords));
    std::string longHeader = dbf;
    longHeader[9] = '\x7F'; // header length beyond the file
    EXPECT_TRUE(refused(longHeader));
    std::string noTerminator = dbf;
    noTerminator[32 + 32 * 12] = 'X'; // descriptors run into the records
    EXPECT_TRUE(refused(noTerminator));
    std::string shortRecord = dbf;
    shortRecord[10] = 10; // fields wider than the record
    shortRecord[11] = 0;
    EXPECT_TRUE(refused(shortRecord));
    std::string version = dbf;
    version[0] = 0x42;
    EXPECT_TRUE(refused(version));
}

TEST_F(TableBadFileTest, DamagedIndexGivesAnErrorOrAFailedCheck) {
    writeFile(base + ".cdx", std::string(cdx.size(), '\0'));
    EXPECT_LT(exercise(base), 0);
    writeFile(base + ".cdx", cdx.substr(0, 700));
    EXPECT_LT(exercise(base), 0);

    // A key that belongs to another record: the table may open, but the check must notice.
    writeFile(base + ".cdx", cdx);
    std::string swapped = cdx;
    for (size_t i = 1024; i + 4 < swapped.size(); ++i)
        if (swapped.compare(i, 4, "Zeph") == 0)
            swapped[i] = 'A';
    writeFile(base + ".cdx", swapped);
    DbfExaminer examiner;
    if (examiner.open(base + ".dbf") == storeOk && swapped != cdx) {
        EXPECT_FALSE(examiner.check().empty());
    }
}

TEST_F(TableBadFileTest, RandomlyCorruptedFilesNeverCrash) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 300; ++round) {
        std::string d = dbf, c = cdx;
        std::string& target = round % 2 ? c : d;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i)
            target[random() % target.size()] = static_cast<char>(random());
        writeFile(base + ".dbf", d);
        writeFile(base + ".cdx", c);
        exercise(base);
        DbfExaminer examiner;
        if (examiner.open(base + ".dbf") == storeOk)
            examiner.check();
    }
    SUCCEED();
}

} // namespace
} // namespace kip::store
