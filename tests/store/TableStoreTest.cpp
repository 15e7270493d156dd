#include "store/TableStore.h"
#include "TableTestTools.h"
#include "store/CompoundIndex.h"
#include "store/DbfFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace kip::store {
namespace {

using test::appendRow;
using test::walk;

class TableStoreTest : public ::testing::Test {
protected:
    Table* createCourses() {
        Table* t = createTable(ctx, dir.file("Courses"), test::smallCourseFields(), {test::smallCourseTag()});
        if (t)
            selectTag(t, findTag(t, "COURSETAG"));
        return t;
    }
    Table* createScores() {
        Table* t = createTable(ctx, dir.file("Scores"), test::smallScoreFields(), {test::smallScoreTag()});
        if (t)
            selectTag(t, findTag(t, "scorestag"));
        return t;
    }
    Table* reopen(const std::string& name, const char* tag) {
        Table* t = openTable(ctx, dir.file(name));
        if (t)
            selectTag(t, findTag(t, tag));
        return t;
    }
    std::string fileBytes(const std::string& name) { return test::readFile(dir.file(name)); }

    test::TempDir dir;
    TableContext ctx;
};

TEST_F(TableStoreTest, CreateWritesAnEmptyFoxProTableAndLeavesItOpen) {
    ASSERT_EQ(initContext(ctx), storeOk);
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(ctx.result(), storeOk);
    EXPECT_EQ(goTop(t), storeEof);
    EXPECT_EQ(closeTable(t), storeOk);

    const std::string f = fileBytes("Courses.dbf");
    const size_t headerLength = 32 + 32 * 4 + 1;
    ASSERT_EQ(f.size(), headerLength + 1);
    EXPECT_EQ(uint8_t(f[0]), 0x03);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(uint8_t(f[1]), (local.tm_year + 1900) % 100);
    EXPECT_EQ(uint8_t(f[8]) | uint8_t(f[9]) << 8, int(headerLength));
    EXPECT_EQ(uint8_t(f[10]), 1 + 10 + 5 + 4 + 4);
    EXPECT_EQ(uint8_t(f[28]), 0x01);
    EXPECT_EQ(f.substr(32, 4), std::string("NAME"));
    EXPECT_EQ(f[32 + 11], 'C');
    EXPECT_EQ(uint8_t(f[32 + 12]), 1);  // displacement of the first field
    EXPECT_EQ(uint8_t(f[64 + 12]), 11); // after NAME
    EXPECT_EQ(uint8_t(f[128 + 17]), 1); // RATING decimals
    EXPECT_EQ(uint8_t(f[headerLength - 1]), 0x0D);
    EXPECT_EQ(uint8_t(f[headerLength]), 0x1A);
    EXPECT_TRUE(std::filesystem::exists(dir.file("Courses.cdx")));
}

TEST_F(TableStoreTest, CreateNeverReplacesAnExistingTableOrIndex) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}}), storeOk);
    closeTable(t);
    const std::string before = fileBytes("Courses.dbf");
    EXPECT_EQ(createCourses(), nullptr);
    EXPECT_EQ(ctx.result(), storeErrExists);
    EXPECT_EQ(fileBytes("Courses.dbf"), before);

    // Only the index of that name exists: no table may appear and the index stays as it was.
    std::filesystem::rename(dir.file("Courses.cdx"), dir.file("Lone.cdx"));
    const std::string index = fileBytes("Lone.cdx");
    EXPECT_EQ(createTable(ctx, dir.file("Lone"), test::smallCourseFields(), {test::smallCourseTag()}),
              nullptr);
    EXPECT_NE(ctx.result(), storeOk);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Lone.dbf")));
    EXPECT_EQ(fileBytes("Lone.cdx"), index);
}

TEST_F(TableStoreTest, CreateRefusesFieldsAndTagsItCannotKeep) {
    const auto tag = test::smallCourseTag();
    EXPECT_EQ(createTable(ctx, dir.file("A"), {{"NAME", 'C', 0, 0}}, {}), nullptr);
    EXPECT_EQ(createTable(ctx, dir.file("B"), {{"TOO_LONG_NAME", 'C', 5, 0}}, {}), nullptr);
    EXPECT_EQ(createTable(ctx, dir.file("C"), {{"NAME", 'C', 5, 0}, {"name", 'C', 5, 0}}, {}), nullptr);
    EXPECT_EQ(createTable(ctx, dir.file("D"), {{"NAME", 'C', 10, 0}}, {tag}), nullptr); // TEE is missing
    TagSpec upperKey = tag;
    upperKey.keyExpression = "UPPER(NAME)";
    EXPECT_EQ(createTable(ctx, dir.file("E"), test::smallCourseFields(), {upperKey}), nullptr);
    EXPECT_EQ(ctx.result(), storeErrArgument);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(TableStoreTest, AscendingTagWalksAndSeeksInKeyOrder) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    for (const char* name : {"Cedar", "Alder", "Birch", "Aldermont"})
        ASSERT_EQ(appendRow(t, {{"NAME", name}, {"TEE", "Blue"}}), storeOk);
    EXPECT_EQ(walk(t), (std::vector<long>{2, 4, 3, 1}));

    EXPECT_EQ(seekKey(t, "Birch"), storeOk); // compared over the text's own length
    EXPECT_EQ(recordNumber(t), 3);
    EXPECT_EQ(seekKey(t, "Alderm"), storeOk);
    EXPECT_EQ(recordNumber(t), 4);
    EXPECT_EQ(seekKey(t, "Alderz"), storeAfter);
    EXPECT_EQ(recordNumber(t), 3);
    EXPECT_EQ(seekKey(t, "Dogwood"), storeEof);
    EXPECT_EQ(skipRecords(t, 1), storeEof);
    EXPECT_EQ(goTop(t), storeOk);
    EXPECT_EQ(skipRecords(t, -1), storeBof);
    EXPECT_EQ(goRecord(t, 5), storeNoRecord);
    ASSERT_EQ(goTop(t), storeOk);
    EXPECT_EQ(skipRecords(t, LONG_MIN), storeBof);
    EXPECT_EQ(goRecord(t, 3), storeOk);
    EXPECT_EQ(skipRecords(t, 1), storeOk); // goes on in tag order from a record read directly
    EXPECT_EQ(recordNumber(t), 1);

    closeTable(t);
    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(walk(t), (std::vector<long>{2, 4, 3, 1}));
}

TEST_F(TableStoreTest, DescendingTagFindsTheNewestRoundOfAGolfer) {
    Table* t = createScores();
    ASSERT_NE(t, nullptr);
    const std::vector<std::pair<std::string, std::string>> rounds = {
        {"Brown", "20230501"}, {"Adams", "20220101"}, {"Brown", "20240615"},
        {"Adams", "20240101"}, {"Brown", "20240615"}, {"Cole", "20200101"}};
    for (const auto& [golfer, date] : rounds)
        ASSERT_EQ(appendRow(t, {{"GOLFER", golfer}, {"DATE", date}}), storeOk);
    // Greatest key first; equal keys with the higher record first.
    EXPECT_EQ(walk(t), (std::vector<long>{6, 5, 3, 1, 4, 2}));

    const auto golferKey = [](const std::string& name) { return name + std::string(12 - name.size(), ' '); };
    EXPECT_EQ(seekKey(t, golferKey("Brown") + "99999999"), storeAfter);
    EXPECT_EQ(recordNumber(t), 5);
    EXPECT_EQ(skipRecords(t, 1), storeOk);
    EXPECT_EQ(recordNumber(t), 3);
    EXPECT_EQ(seekKey(t, golferKey("Adams") + "20240101"), storeOk);
    EXPECT_EQ(recordNumber(t), 4);
    // No rounds for Baker: the next golfer in descending order.
    EXPECT_EQ(seekKey(t, golferKey("Baker") + "99999999"), storeAfter);
    EXPECT_EQ(recordNumber(t), 4);
    EXPECT_EQ(seekKey(t, golferKey("Aaron") + "99999999"), storeEof);
}

TEST_F(TableStoreTest, ChangesWithNoRecordToHoldThemAreNotReportedAsSaved) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}, {"TEE", "Blue"}}), storeOk);
    const std::string table = fileBytes("Courses.dbf");
    selectTag(t, findTag(t, "COURSETAG"));
    ASSERT_EQ(goTop(t), storeOk);
    ASSERT_EQ(skipRecords(t, 1), storeEof);
    blankRecord(t);
    assignText(fieldByName(t, "NAME"), "Birch");
    EXPECT_EQ(flushTable(t), storeErrState);
    EXPECT_EQ(recordCount(t), 1);
    EXPECT_EQ(fileBytes("Courses.dbf"), table);
    EXPECT_EQ(flushTable(t), storeOk) << "the refused changes are gone, nothing is pending";
    EXPECT_EQ(closeTable(t), storeOk);
}

TEST_F(TableStoreTest, UniqueModeRefusesDuplicatesWithoutTouchingTheFiles) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}, {"TEE", "Blue"}}), storeOk);
    ASSERT_EQ(appendRow(t, {{"NAME", "Birch"}, {"TEE", "Red"}}), storeOk);
    const std::string table = fileBytes("Courses.dbf");
    const std::string index = fileBytes("Courses.cdx");

    EXPECT_EQ(appendRow(t, {{"NAME", "Alder"}, {"TEE", "Blue"}}), storeDuplicateKey);
    EXPECT_EQ(recordCount(t), 2);

    // Changing record 2 to the key of record 1 is refused too; the record keeps its old values.
    ASSERT_EQ(goRecord(t, 2), storeOk);
    blankRecord(t);
    assignText(fieldByName(t, "NAME"), "Alder");
    assignText(fieldByName(t, "TEE"), "Blue");
    EXPECT_EQ(flushTable(t), storeDuplicateKey);
    EXPECT_EQ(fileBytes("Courses.dbf"), table);
    EXPECT_EQ(fileBytes("Courses.cdx"), index);
    EXPECT_EQ(closeTable(t), storeOk);
    EXPECT_EQ(fileBytes("Courses.dbf"), table);

    // The mode belongs to the open tag: after a reopen the tag keeps the first record silently.
    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}, {"TEE", "Blue"}}), storeOk);
    EXPECT_EQ(walk(t), (std::vector<long>{1, 2}));
    EXPECT_EQ(setUniqueMode(findTag(t, "COURSETAG"), uniqueRefuse), storeOk);
    EXPECT_EQ(appendRow(t, {{"NAME", "Birch"}, {"TEE", "Red"}}), storeDuplicateKey);
    EXPECT_EQ(recordCount(t), 3);
}

TEST_F(TableStoreTest, DeletingWhileWalkingContinuesWithTheFollowingRecord) {
    Table* t = createScores();
    ASSERT_NE(t, nullptr);
    for (int i = 1; i <= 8; ++i)
        ASSERT_EQ(appendRow(t, {{"GOLFER", "G"}, {"DATE", "2024010" + std::to_string(i)}}), storeOk);
    std::vector<long> seen;
    for (int rc = goTop(t); rc == storeOk; rc = skipRecords(t, 1)) {
        seen.push_back(recordNumber(t));
        if (recordNumber(t) % 2 == 0) {
            deleteRecord(t);
            ASSERT_EQ(flushTable(t), storeOk);
        }
    }
    EXPECT_EQ(seen, (std::vector<long>{8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(walk(t), (std::vector<long>{7, 5, 3, 1}));
    EXPECT_EQ(goRecord(t, 4), storeOk);
    EXPECT_TRUE(recordDeleted(t));

    EXPECT_EQ(packTable(t), storeOk);
    EXPECT_EQ(recordCount(t), 4);
    EXPECT_EQ(walk(t), (std::vector<long>{4, 3, 2, 1}));
    EXPECT_EQ(fieldText(fieldByName(t, "DATE")), "20240101");
    closeTable(t);
    const std::string f = fileBytes("Scores.dbf");
    const size_t headerLength = 32 + 32 * 3 + 1;
    ASSERT_EQ(f.size(), headerLength + 4 * 24 + 1);
    EXPECT_EQ(uint8_t(f[4]), 4);
    EXPECT_EQ(uint8_t(f.back()), 0x1A);
}

TEST_F(TableStoreTest, AllDeletedTableIsEmptyInTagOrder) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}}), storeOk);
    deleteRecord(t);
    ASSERT_EQ(flushTable(t), storeOk);
    EXPECT_EQ(goTop(t), storeEof);
    EXPECT_EQ(seekKey(t, "Alder"), storeEof);
    // The deleted key no longer blocks a new row with the same key.
    EXPECT_EQ(appendRow(t, {{"NAME", "Alder"}}), storeOk);
    EXPECT_EQ(walk(t), (std::vector<long>{2}));
}

TEST_F(TableStoreTest, ChangedRecordIsWrittenWhenTheTableMovesOrCloses) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    for (const char* name : {"Alder", "Birch", "Cedar"})
        ASSERT_EQ(appendRow(t, {{"NAME", name}}), storeOk);
    ASSERT_EQ(goRecord(t, 1), storeOk);
    blankRecord(t);
    assignText(fieldByName(t, "NAME"), "Dogwood");
    // Written first: the record moved to the end of the tag, so nothing follows it.
    EXPECT_EQ(skipRecords(t, 1), storeEof);
    ASSERT_EQ(goRecord(t, 3), storeOk);
    assignLong(fieldByName(t, "SLOPE"), 131);
    EXPECT_EQ(closeTable(t), storeOk);

    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(walk(t), (std::vector<long>{2, 3, 1}));
    ASSERT_EQ(goRecord(t, 3), storeOk);
    EXPECT_EQ(fieldLong(fieldByName(t, "SLOPE")), 131);
    EXPECT_EQ(seekKey(t, "Dogwood"), storeOk);
}

TEST_F(TableStoreTest, AnAppendAbandonedByAMoveDoesNotSwallowLaterChanges) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}}), storeOk);
    ASSERT_EQ(appendStart(t), storeOk);
    ASSERT_EQ(goRecord(t, 1), storeOk);
    assignText(fieldByName(t, "TEE"), "Red");
    ASSERT_EQ(flushTable(t), storeOk);
    deleteRecord(t);
    ASSERT_EQ(flushTable(t), storeOk);
    EXPECT_EQ(recordCount(t), 1);
    EXPECT_EQ(goTop(t), storeEof);
    ASSERT_EQ(goRecord(t, 1), storeOk);
    EXPECT_EQ(fieldText(fieldByName(t, "TEE")), "Red  ");
    EXPECT_TRUE(recordDeleted(t));
}

TEST_F(TableStoreTest, BinaryBytesGoThroughFieldBytesWithinTheWidth) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendStart(t), storeOk);
    blankRecord(t);
    Field* tee = fieldByName(t, "tee");
    ASSERT_NE(tee, nullptr);
    *fieldBytes(tee, 0) = 0x00;
    *fieldBytes(tee, 4) = 0x1A;
    EXPECT_EQ(fieldBytes(tee, 5), nullptr);
    EXPECT_EQ(fieldBytes(tee, -1), nullptr);
    ASSERT_EQ(appendRecord(t), storeOk);
    closeTable(t);
    t = reopen("Courses", "COURSETAG");
    ASSERT_EQ(goRecord(t, 1), storeOk);
    EXPECT_EQ(fieldText(fieldByName(t, "TEE")), std::string("\0   \x1A", 5));
}

TEST_F(TableStoreTest, HeaderCountFollowsEveryAppendAndMarkerMayBeMissing) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}}), storeOk);
    EXPECT_EQ(uint8_t(fileBytes("Courses.dbf")[4]), 1);
    closeTable(t);

    // Another writer left no end-of-file byte: opening and appending still work, and the marker
    // is back after the new record.
    const std::string path = dir.file("Courses.dbf");
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 1);
    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Birch"}}), storeOk);
    closeTable(t);
    const std::string f = fileBytes("Courses.dbf");
    EXPECT_EQ(uint8_t(f[4]), 2);
    EXPECT_EQ(f.size(), 32 + 32 * 4 + 1 + 2 * 24 + 1u);
    EXPECT_EQ(uint8_t(f.back()), 0x1A);

    // Stray bytes after the marker are neither records nor an obstacle to appending.
    std::ofstream(path, std::ios::binary | std::ios::app) << "xyz";
    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(recordCount(t), 2);
    ASSERT_EQ(appendRow(t, {{"NAME", "Cedar"}}), storeOk);
    EXPECT_EQ(walk(t), (std::vector<long>{1, 2, 3}));
}

TEST_F(TableStoreTest, ReadOnlyFileOpensButRefusesWrites) {
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(appendRow(t, {{"NAME", "Alder"}}), storeOk);
    closeTable(t);
    ::chmod(dir.file("Courses.dbf").c_str(), 0444);
    const std::string before = fileBytes("Courses.dbf");

    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(walk(t), (std::vector<long>{1}));
    EXPECT_EQ(appendStart(t), storeErrAccess);
    ASSERT_EQ(goTop(t), storeOk);
    assignText(fieldByName(t, "NAME"), "Birch");
    EXPECT_EQ(flushTable(t), storeErrAccess);
    deleteRecord(t);
    EXPECT_EQ(packTable(t), storeErrAccess);
    closeTable(t);
    EXPECT_EQ(fileBytes("Courses.dbf"), before);

    // A read-only index alone is enough: the table cannot be written without its tags.
    ::chmod(dir.file("Courses.dbf").c_str(), 0644);
    ::chmod(dir.file("Courses.cdx").c_str(), 0444);
    t = reopen("Courses", "COURSETAG");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(appendStart(t), storeErrAccess);
    closeTable(t);
    EXPECT_EQ(fileBytes("Courses.dbf"), before);
}

TEST_F(TableStoreTest, OpenReportsMissingFilesAndIndex) {
    EXPECT_EQ(openTable(ctx, dir.file("Nothing")), nullptr);
    EXPECT_EQ(ctx.result(), storeErrOpen);
    Table* t = createCourses();
    ASSERT_NE(t, nullptr);
    closeTable(t);
    std::filesystem::rename(dir.file("Courses.cdx"), dir.file("Courses.CDX"));
    EXPECT_NE(openTable(ctx, dir.file("Courses.dbf")), nullptr); // the upper-case name is found too
    closeTable(ctx.table());
    std::filesystem::remove(dir.file("Courses.CDX"));
    EXPECT_EQ(openTable(ctx, dir.file("Courses")), nullptr);
    EXPECT_LT(ctx.result(), 0);
}

TEST_F(TableStoreTest, TagTheStoreCannotEvaluateMakesTheTableReadOnly) {
    // Another program indexed the table on an expression this store does not evaluate.
    std::unique_ptr<DbfFile> dbf;
    ASSERT_EQ(DbfFile::create(dir.file("Foreign.dbf"), test::smallCourseFields(), true, dbf), storeOk);
    uint32_t record = 0;
    std::string row = " Alder     Blue  131 71.2";
    ASSERT_EQ(dbf->appendRecord(reinterpret_cast<const unsigned char*>(row.data()), record), storeOk);
    dbf.reset();
    IndexTagInfo upperName;
    upperName.name = "BYNAME";
    upperName.keyExpression = "UPPER(NAME)";
    upperName.keyLength = 10;
    std::unique_ptr<CompoundIndex> index;
    ASSERT_EQ(CompoundIndex::create(dir.file("Foreign.cdx"), {upperName}, index), storeOk);
    ASSERT_EQ(index->insert(0, "ALDER     ", 1), storeOk);
    ASSERT_EQ(index->close(), storeOk);
    index.reset();
    const std::string before = fileBytes("Foreign.dbf");

    Table* t = reopen("Foreign", "BYNAME");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(walk(t), (std::vector<long>{1})); // reading and seeking still work
    EXPECT_EQ(seekKey(t, "ALDER"), storeOk);
    EXPECT_EQ(appendStart(t), storeErrAccess);
    assignText(fieldByName(t, "NAME"), "Birch");
    EXPECT_EQ(flushTable(t), storeErrAccess);
    EXPECT_EQ(syncTable(t), storeOk) << "the refused change is not kept pending";
    EXPECT_EQ(walk(t), (std::vector<long>{1})) << "moves still work after a refused write";
    EXPECT_EQ(closeTable(t), storeOk);
    EXPECT_EQ(fileBytes("Foreign.dbf"), before);
}

TEST_F(TableStoreTest, TableWithoutTagsWalksInRecordOrder) {
    Table* t = createTable(ctx, dir.file("Plain"), test::smallCourseFields(), {});
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(findTag(t, "COURSETAG"), nullptr);
    for (const char* name : {"Cedar", "Alder"})
        ASSERT_EQ(appendRow(t, {{"NAME", name}}), storeOk);
    EXPECT_EQ(walk(t), (std::vector<long>{1, 2}));
    ASSERT_EQ(goTop(t), storeOk);
    EXPECT_EQ(skipRecords(t, LONG_MAX), storeEof);
    ASSERT_EQ(goTop(t), storeOk);
    EXPECT_EQ(skipRecords(t, LONG_MIN), storeBof);
    closeTable(t);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Plain.cdx")));
    EXPECT_EQ(uint8_t(fileBytes("Plain.dbf")[28]), 0x00);
    EXPECT_EQ(releaseContext(ctx), storeOk);
}

} // namespace
} // namespace kip::store
