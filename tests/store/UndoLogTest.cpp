// The undo log puts a table back byte for byte: rows overwritten or deleted come back, rows appended
// go, the header counts what it counted; a torn entry at its end and a log still holding a change are
// handled without losing anything.

#include "store/UndoLog.h"
#include "store/DbfFile.h"
#include "store/TableTestTools.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kip::store {
namespace {

class UndoLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(initContext(ctx), storeOk);
        table = createTable(ctx, dir.file("Scores"), test::smallScoreFields(), {test::smallScoreTag()});
        ASSERT_NE(table, nullptr);
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(test::appendRow(table, {{"GOLFER", "G" + std::to_string(i)}, {"DATE", "20240101"}}), 0);
        ASSERT_EQ(syncTable(table), 0);
        original = test::readFile(dir.file("Scores.dbf"));
    }
    void changeUnderLog(UndoLog& log) {
        ASSERT_EQ(log.create(logPath), 0);
        ASSERT_EQ(guardTable(table, log), 0);
        ASSERT_EQ(keepRows(table, {2}), 0);
        ASSERT_EQ(goRecord(table, 2), 0);
        deleteRecord(table);
        ASSERT_EQ(flushTable(table), 0);
        ASSERT_EQ(goRecord(table, 4), 0); // saved on its first overwrite
        assignText(fieldByName(table, "GOLFER"), "Changed");
        ASSERT_EQ(flushTable(table), 0);
        ASSERT_EQ(goRecord(table, 4), 0);
        assignText(fieldByName(table, "GOLFER"), "Twice");
        ASSERT_EQ(flushTable(table), 0);
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(test::appendRow(table, {{"GOLFER", "New" + std::to_string(i)}, {"DATE", "20250101"}}),
                      0);
    }
    // The table's bytes without the header's date of last change.
    static std::string withoutDate(std::string bytes) {
        bytes.replace(1, 3, "---");
        return bytes;
    }

    test::TempDir dir;
    std::string logPath = dir.file(undoLogName);
    TableContext ctx;
    Table* table = nullptr;
    std::string original;
};

TEST_F(UndoLogTest, RollingBackPutsTheTableBackByteForByteAndMayBeRepeated) {
    {
        UndoLog log;
        changeUnderLog(log);
        unguardTable(table);
        ASSERT_EQ(closeTable(table), 0);
        table = nullptr;
    } // stopped: the log stays
    ASSERT_NE(withoutDate(test::readFile(dir.file("Scores.dbf"))), withoutDate(original));
    for (int again = 0; again < 2; ++again) {
        std::vector<std::string> tables;
        ASSERT_EQ(UndoLog::rollBack(logPath, tables), 0);
        EXPECT_EQ(tables, std::vector<std::string>{dir.file("Scores.dbf")});
        EXPECT_EQ(withoutDate(test::readFile(dir.file("Scores.dbf"))), withoutDate(original));
    }
    // A log that still holds a change is never started over.
    UndoLog next;
    EXPECT_EQ(next.create(logPath), storeErrExists);
    EXPECT_EQ(UndoLog::remove(logPath), 0);
    EXPECT_EQ(next.create(logPath), 0);
}

TEST_F(UndoLogTest, AFinishedChangeStaysAndLeavesAnEmptyLog) {
    UndoLog log;
    changeUnderLog(log);
    unguardTable(table);
    ASSERT_EQ(syncTable(table), 0);
    ASSERT_EQ(log.finish(), 0);
    const std::string changed = test::readFile(dir.file("Scores.dbf"));
    EXPECT_EQ(test::readFile(logPath), "");
    std::vector<std::string> tables;
    ASSERT_EQ(UndoLog::rollBack(logPath, tables), 0);
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(test::readFile(dir.file("Scores.dbf")), changed);
    EXPECT_EQ(recordCount(table), 8);
}

TEST_F(UndoLogTest, ATornLastEntryIsPassedOverAndTheEntriesBeforeItCount) {
    {
        UndoLog log;
        changeUnderLog(log);
        unguardTable(table);
        ASSERT_EQ(closeTable(table), 0);
        table = nullptr;
    }
    const std::string whole = test::readFile(logPath);
    // Half of a row entry of another row, written as a stop came.
    std::ofstream(logPath, std::ios::binary | std::ios::app) << std::string("R\x20\x00\x00\x00\x00\x03", 7);
    std::vector<std::string> tables;
    ASSERT_EQ(UndoLog::rollBack(logPath, tables), 0);
    EXPECT_EQ(withoutDate(test::readFile(dir.file("Scores.dbf"))), withoutDate(original));
    EXPECT_GT(whole.size(), 8u);
}

TEST_F(UndoLogTest, RowsBeyondTheCountAreFoundAndCutAway) {
    ASSERT_EQ(closeTable(table), 0);
    table = nullptr;
    EXPECT_EQ(DbfFile::rowsBeyondCount(dir.file("Scores.dbf")), 0);
    // What an append leaves when it stops between its row and the header's count.
    std::string bytes = original;
    bytes.pop_back(); // the end-of-file mark
    bytes += std::string(" G9          20240101 80", 24) + "\x1a";
    std::ofstream(dir.file("Scores.dbf"), std::ios::binary) << bytes;
    EXPECT_EQ(DbfFile::rowsBeyondCount(dir.file("Scores.dbf")), 1);
    ASSERT_EQ(DbfFile::dropRowsBeyondCount(dir.file("Scores.dbf")), 0);
    EXPECT_EQ(test::readFile(dir.file("Scores.dbf")), original);
}

} // namespace
} // namespace kip::store
