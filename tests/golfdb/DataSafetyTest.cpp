// The index is derived from its table: every open checks it and rebuilds what disagrees; one writer
// at a time; compress replaces files whole.

#include "GolfTestData.h"
#include "golfdb/CKipGolfDoc.h"
#include "golfdb/DatabaseBackup.h"
#include "golfdb/StagedFiles.h"
#include "golfdb/WriterLock.h"
#include "store/DbfExaminer.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

std::string rebuiltText(const std::string& table) {
    return "The index of the " + table + " table did not match its rows and has been rebuilt from the table.";
}

bool tableAgreesWithIndex(const std::string& dbfPath) {
    store::DbfExaminer examiner;
    return examiner.open(dbfPath) == store::storeOk && examiner.check().empty();
}

class DataSafety : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Courses", "Golfers", "Scores"})
            dir.copyFixture(name);
    }

    long countRounds(CKipGolfDoc& doc) {
        long n = 0;
        for (int rc = doc.scoreTable().goTop(); rc == store::storeOk; rc = doc.scoreTable().skip())
            ++n;
        return n;
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(DataSafety, MissingDamagedForeignAndStaleIndexesAreRebuiltWithOneMessageNamingTheTable) {
    long rounds = 0;
    {
        CKipGolfDoc doc(dir.path(), prompter);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
        rounds = countRounds(doc);
        EXPECT_TRUE(prompter.texts().empty());
    }
    const auto damage = [this](const std::function<void()>& how, const std::string& table) -> long {
        how();
        test::ScriptedPrompter seen;
        CKipGolfDoc doc(dir.path(), seen);
        EXPECT_EQ(doc.openDatabase(), OpenOutcome::Opened) << table;
        EXPECT_EQ(seen.texts(), std::vector<std::string>{rebuiltText(table)});
        EXPECT_TRUE(tableAgreesWithIndex(dir.path() + table + ".dbf"));
        return countRounds(doc);
    };
    EXPECT_EQ(damage([&] { fs::remove(dir.path() + "Scores.cdx"); }, "Scores"), rounds);
    EXPECT_EQ(damage([&] { std::ofstream(dir.path() + "Golfers.cdx", std::ios::trunc) << "not an index"; },
                     "Golfers"),
              rounds);
    // A foreign index: the course index beside the golfer table.
    EXPECT_EQ(damage(
                  [&] {
                      fs::copy_file(dir.path() + "Courses.cdx", dir.path() + "Golfers.cdx",
                                    fs::copy_options::overwrite_existing);
                  },
                  "Golfers"),
              rounds);
    // A stale index: the table was packed behind its index's back by copying an older index.
    fs::copy_file(dir.path() + "Scores.cdx", dir.path() + "Scores.old");
    {
        CKipGolfDoc doc(dir.path(), prompter);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
        ASSERT_EQ(doc.scoreTable().goTop(), store::storeOk);
        ASSERT_EQ(doc.scoreTable().remove(), store::storeOk);
    }
    EXPECT_EQ(damage(
                  [&] {
                      fs::copy_file(dir.path() + "Scores.old", dir.path() + "Scores.cdx",
                                    fs::copy_options::overwrite_existing);
                  },
                  "Scores"),
              rounds - 1);
    // The next open finds nothing to mend.
    test::ScriptedPrompter quiet;
    CKipGolfDoc doc(dir.path(), quiet);
    ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    EXPECT_TRUE(quiet.texts().empty());
}

TEST_F(DataSafety, OnlyADamagedTableGivesTheOpenFailure) {
    std::ofstream(dir.path() + "Golfers.dbf", std::ios::trunc) << "not a table";
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
    EXPECT_EQ(prompter.last().text, "Could not find golfer database, program cancelled.");
}

TEST_F(DataSafety, ASecondWriterIsRefusedWhileReadersNeitherWaitNorRepair) {
    CKipGolfDoc first(dir.path(), prompter);
    first.holdWriterLock();
    ASSERT_EQ(first.openDatabase(), OpenOutcome::Opened);
    EXPECT_TRUE(first.writerLockHeld());

    test::ScriptedPrompter refused;
    CKipGolfDoc second(dir.path(), refused);
    second.holdWriterLock();
    EXPECT_EQ(second.openDatabase(), OpenOutcome::EndProgram);
    EXPECT_EQ(second.exitCode(), 2);
    EXPECT_EQ(refused.texts(), std::vector<std::string>{"The golf database in " + dir.path() +
                                                        " is in use by another Kip Golf program."});
    EXPECT_EQ(refused.last().icon, platform::Icon::Error);

    WriterLock other;
    EXPECT_EQ(other.acquire(dir.path()), WriterLock::State::Busy);
}

TEST_F(DataSafety, AWriterThatDidNotEndCleanlyIsNoticedByTheNextOne) {
    // What a killed writer leaves in the lock file.
    std::ofstream(dir.path() + writerLockFileName, std::ios::trunc) << "writing 1\n";
    WriterLock next;
    ASSERT_EQ(next.acquire(dir.path()), WriterLock::State::Held);
    EXPECT_TRUE(next.lastEndUnclean());
    bool unclean = false;
    EXPECT_TRUE(WriterLock::heldInProcess(dir.path(), &unclean));
    EXPECT_TRUE(unclean);
    next.release();
    WriterLock after;
    ASSERT_EQ(after.acquire(dir.path()), WriterLock::State::Held);
    EXPECT_FALSE(after.lastEndUnclean());
}

TEST_F(DataSafety, CompressReplacesTheTableWholeAndKeepsItsPermissions) {
    fs::permissions(dir.path() + "Scores.dbf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    long rounds = 0;
    {
        CKipGolfDoc doc(dir.path(), prompter);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
        rounds = countRounds(doc);
        ASSERT_EQ(doc.deleteGolferRounds(doc.scoreTable().goTop() == store::storeOk
                                             ? doc.scoreTable().record().golfer
                                             : std::string()) > 0,
                  true);
        test::ScriptedFolderChooser chooser;
        test::MemorySettingsStore settings;
        test::FixedClock clock{{2026, 12, 9}};
        platform::LocalFileOps files;
        DatabaseBackup backup(doc, prompter, chooser, settings, clock, files);
        EXPECT_EQ(backup.compressDatabases(), CommandOutcome::Succeeded);
        const long left = countRounds(doc);
        EXPECT_LT(left, rounds);
        // The table object goes on working with the new files.
        doc.scoreTable().record() = test::sampleRound("Packed, Still", 2026, 1, 2);
        EXPECT_EQ(doc.scoreTable().add(), store::storeOk);
        EXPECT_EQ(countRounds(doc), left + 1);
    }
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().string().find(".packing"), std::string::npos) << entry.path();
    EXPECT_EQ(fs::status(dir.path() + "Scores.dbf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    for (const char* table : {"Courses", "Golfers", "Scores"})
        EXPECT_TRUE(tableAgreesWithIndex(dir.path() + table + ".dbf")) << table;
}

TEST_F(DataSafety, RestoringADamagedBackupFailsAndKeepsTheDatabase) {
    test::TempDir saved;
    for (const char* table : {"Courses", "Golfers", "Scores"}) {
        fs::copy_file(dir.path() + table + ".dbf", saved.path() + table + ".bkdbf");
        fs::copy_file(dir.path() + table + ".cdx", saved.path() + table + ".bkcdx");
    }
    std::ofstream(saved.path() + "Golfers.bkdbf", std::ios::trunc) << "damaged";
    const std::string golfers = test::readFile(dir.path() + "Golfers.dbf");
    CKipGolfDoc doc(dir.path(), prompter);
    ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    test::ScriptedFolderChooser chooser;
    chooser.choose(saved.path());
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2026, 12, 9}};
    platform::LocalFileOps files;
    DatabaseBackup backup(doc, prompter, chooser, settings, clock, files);
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Failed);
    EXPECT_EQ(prompter.last().text, "Restore failed");
    EXPECT_FALSE(doc.endRequested());
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(test::readFile(dir.path() + "Golfers.dbf"), golfers);
    EXPECT_TRUE(fs::exists(dir.path() + "Download/Golfers.bkdbf")) << "the safety copy stays";
}

TEST_F(DataSafety, ARestoreStoppedAfterItsCommitIsFinishedAndOneStoppedBeforeIsDropped) {
    const std::string scores = test::readFile(dir.path() + "Scores.dbf");
    // Stopped before the commit: staged copies without a mark are dropped.
    fs::copy_file(dir.path() + "Courses.dbf", dir.path() + "Scores.dbf.staged");
    {
        CKipGolfDoc doc(dir.path(), prompter);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    }
    EXPECT_FALSE(fs::exists(dir.path() + "Scores.dbf.staged"));
    EXPECT_EQ(test::readFile(dir.path() + "Scores.dbf"), scores);
    // Stopped after the commit with the golfer pair staged and the score pair already in place.
    fs::copy_file(test::fixturePath("Golfers.dbf"), dir.path() + "Golfers.dbf.staged");
    fs::copy_file(test::fixturePath("Golfers.cdx"), dir.path() + "Golfers.cdx.staged");
    std::ofstream(dir.path() + commitMarkName) << dir.path() << "Scores.dbf\n"
                                               << dir.path() << "Golfers.dbf\n"
                                               << dir.path() << "Golfers.cdx\n";
    CKipGolfDoc doc(dir.path(), prompter);
    ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    EXPECT_FALSE(fs::exists(dir.path() + commitMarkName));
    EXPECT_FALSE(fs::exists(dir.path() + "Golfers.dbf.staged"));
    EXPECT_EQ(test::readFile(dir.path() + "Golfers.dbf"), test::readFile(test::fixturePath("Golfers.dbf")));
}

} // namespace
} // namespace kip::golfdb
