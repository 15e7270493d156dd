// Backup, restore and compress of the golf database against scripted platform doubles.

#include "golfdb/DatabaseBackup.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Icon;

const std::vector<std::string> databaseFiles = {"Scores.dbf",  "Scores.cdx",  "Courses.dbf",
                                                "Courses.cdx", "Golfers.dbf", "Golfers.cdx"};

std::string backupName(const std::string& file) {
    return file.substr(0, file.find('.')) + (file.ends_with(".dbf") ? ".bkdbf" : ".bkcdx");
}

std::map<std::string, std::string> contents(const std::string& folder, bool backupSide) {
    std::map<std::string, std::string> out;
    for (const auto& file : databaseFiles) {
        const std::string name = backupSide ? backupName(file) : file;
        if (fs::exists(folder + name))
            out[name] = test::readFile(folder + name);
    }
    return out;
}

class DatabaseBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Courses", "Golfers", "Scores"})
            data.copyFixture(name);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    }

    // Fills a backup folder from the fixtures and returns it (without a trailing slash).
    std::string makeBackupFolder() {
        const std::string folder = other.path() + "saved";
        fs::create_directories(folder);
        for (const auto& file : databaseFiles)
            fs::copy_file(test::fixturePath(file), folder + "/" + backupName(file));
        return folder;
    }

    void addGolfer(const std::string& last) {
        doc.golferTable().record().clear();
        doc.golferTable().joinName(last, "New");
        ASSERT_EQ(doc.addGolfer(), store::storeOk);
    }

    test::TempDir data;
    test::TempDir other;
    test::ScriptedPrompter prompter;
    test::ScriptedFolderChooser chooser;
    test::MemorySettingsStore settings;
    test::FixedClock clock{{2026, 12, 9}};
    test::FailingFileOps files;
    test::CountingWaitCursor cursor;
    CKipGolfDoc doc{data.path(), prompter, &cursor};
    DatabaseBackup backup{doc, prompter, chooser, settings, clock, files};
};

TEST_F(DatabaseBackupTest, BackupIntoAnEmptyFolderCopiesSixFilesAndRemembersTheDate) {
    chooser.choose(other.path() + "empty");
    fs::create_directories(other.path() + "empty");
    EXPECT_EQ(backup.backupDatabases(), CommandOutcome::Succeeded);
    EXPECT_EQ(chooser.titles, (std::vector<std::string>{"Select a Folder for Backup Databases"}));
    ASSERT_EQ(prompter.shown.size(), 1u) << "no replace question for an empty folder";
    EXPECT_EQ(prompter.last().text, "Backup completed sucessfully");
    EXPECT_EQ(prompter.last().caption, "Backup Complete");
    EXPECT_EQ(prompter.last().icon, Icon::None);
    EXPECT_EQ(settings.values["Settings/LastBackup"], "20261209");

    const auto copies = contents(other.path() + "empty/", true);
    ASSERT_EQ(copies.size(), 6u);
    for (const auto& file : databaseFiles)
        EXPECT_EQ(copies.at(backupName(file)), test::readFile(data.path() + file)) << file;
    EXPECT_EQ(
        files.copied.front().rfind(data.path() + "Scores.dbf -> " + other.path() + "empty/Scores.bkdbf", 0),
        0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(other.path() + "empty"), fs::directory_iterator()), 6)
        << "nothing but the six backup files";
}

TEST_F(DatabaseBackupTest, BackupAsksBeforeReplacingAnyEarlierBackupFile) {
    const std::string folder = other.path();
    std::ofstream(folder + "Golfers.bkdbf") << "old";
    chooser.choose(folder);
    prompter.answer(Answer::No);
    EXPECT_EQ(backup.backupDatabases(), CommandOutcome::Cancelled);
    EXPECT_EQ(prompter.last().text,
              "Some previous backup databases exist in selected folder, do you want to replace them?");
    EXPECT_EQ(prompter.last().caption, "Backups Exist");
    EXPECT_EQ(prompter.last().icon, Icon::Question);
    EXPECT_EQ(files.copies, 0);
    EXPECT_EQ(test::readFile(folder + "Golfers.bkdbf"), "old");
    EXPECT_FALSE(settings.values.contains("Settings/LastBackup"));

    chooser.choose(std::nullopt);
    EXPECT_EQ(backup.backupDatabases(), CommandOutcome::Cancelled);
    EXPECT_EQ(files.copies, 0);
}

TEST_F(DatabaseBackupTest, FailedBackupCopyIsReportedAndLeavesTheEarlierBackupWhole) {
    for (const auto& file : databaseFiles)
        std::ofstream(other.path() + backupName(file)) << "earlier " << file;
    const auto earlier = contents(other.path(), true);
    chooser.choose(other.path());
    files.failFromCopy = files.failUntilCopy = 3;
    EXPECT_EQ(backup.backupDatabases(), CommandOutcome::Failed);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.last().text, "Backup of database '" + data.path() + "Courses.dbf' failed, rc = 28");
    EXPECT_EQ(prompter.last().caption, "KipGolf");
    EXPECT_EQ(prompter.last().icon, Icon::Error);
    EXPECT_EQ(files.copies, 6) << "the other files are still tried";
    EXPECT_FALSE(settings.values.contains("Settings/LastBackup"));
    EXPECT_EQ(contents(other.path(), true), earlier) << "no mix of an earlier and a new backup";
    EXPECT_EQ(std::distance(fs::directory_iterator(other.path()), fs::directory_iterator()), 6);
}

TEST_F(DatabaseBackupTest, FilesPresentCountsNoneSomeAll) {
    EXPECT_EQ(backup.filesPresent(data.path(), true), FilesPresent::All);
    EXPECT_EQ(backup.filesPresent(other.path(), false), FilesPresent::None);
    EXPECT_EQ(backup.filesPresent(makeBackupFolder(), false), FilesPresent::All);
    fs::remove(other.path() + "saved/Courses.bkcdx");
    EXPECT_EQ(backup.filesPresent(other.path() + "saved", false), FilesPresent::Some);
}

TEST_F(DatabaseBackupTest, RestoreReplacesTheTablesAndDropsTheSafetyCopy) {
    const auto fixtures = contents(data.path(), false);
    addGolfer("Later");
    chooser.choose(makeBackupFolder());
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Succeeded);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Are you sure you want to replace your current Golf databases with a backup copy?",
                  "Restore completed sucessfully"}));
    EXPECT_EQ(prompter.shown[0].caption, "Confirm Restore");
    EXPECT_EQ(prompter.last().caption, "Restore Complete");
    EXPECT_EQ(prompter.last().icon, Icon::None);
    EXPECT_EQ(chooser.titles, (std::vector<std::string>{"Select Folder Containing Backup Databases"}));

    EXPECT_TRUE(doc.isOpen());
    EXPECT_NE(doc.golferTable().find("Later, New"), store::storeOk);
    EXPECT_TRUE(fs::is_directory(data.path() + "Download")) << "a missing safety folder is made";
    EXPECT_TRUE(contents(data.path() + "Download/", true).empty());
    EXPECT_FALSE(doc.endRequested());
}

TEST_F(DatabaseBackupTest, RestoreFromAnIncompleteFolderChangesNothing) {
    const std::string folder = makeBackupFolder();
    fs::remove(folder + "/Courses.bkcdx");
    addGolfer("Kept");
    chooser.choose(folder);
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Failed);
    EXPECT_EQ(prompter.last().text, "Not all databases exist at this restore path, restore cancelled");
    EXPECT_EQ(prompter.last().caption, "Restore Databases Not Found");
    EXPECT_EQ(prompter.last().icon, Icon::Error);
    EXPECT_EQ(files.copies, 0);
    EXPECT_EQ(doc.golferTable().find("Kept, New"), store::storeOk);
}

TEST_F(DatabaseBackupTest, RestoreCanBeRefusedAtTheQuestion) {
    prompter.answer(Answer::No);
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Cancelled);
    EXPECT_TRUE(chooser.titles.empty());
    EXPECT_TRUE(doc.isOpen());
}

TEST_F(DatabaseBackupTest, RestoreIntoAnEmptyDataFolderAsksNothing) {
    test::TempDir empty;
    CKipGolfDoc fresh(empty.path(), prompter);
    DatabaseBackup restore(fresh, prompter, chooser, settings, clock, files);
    chooser.choose(makeBackupFolder());
    EXPECT_EQ(restore.restoreDatabases(), CommandOutcome::Succeeded);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Restore completed sucessfully"}));
    EXPECT_TRUE(fresh.isOpen());
    EXPECT_EQ(contents(empty.path(), false).size(), 6u);
}

TEST_F(DatabaseBackupTest, RestoreFromTheSafetyFolderMakesNoSafetyCopy) {
    fs::create_directories(data.path() + "Download");
    for (const auto& file : databaseFiles)
        fs::copy_file(test::fixturePath(file), data.path() + "Download/" + backupName(file));
    chooser.choose(data.path() + "Download");
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Succeeded);
    EXPECT_EQ(files.copies, 6);
    for (const auto& copy : files.copied)
        EXPECT_EQ(copy.find("-> " + data.path() + "Download/"), std::string::npos) << copy;
}

TEST_F(DatabaseBackupTest, RestoreFromTheSafetyFolderSpelledAnotherWayKeepsItsFiles) {
    fs::create_directories(data.path() + "Download");
    for (const auto& file : databaseFiles)
        fs::copy_file(test::fixturePath(file), data.path() + "Download/" + backupName(file));
    const auto saved = contents(data.path() + "Download/", true);
    addGolfer("Current");
    fs::create_directory_symlink(data.path() + "Download", other.path() + "link");
    for (const std::string& spelling : {other.path() + "link", data.path() + "/Download"}) {
        prompter.shown.clear();
        chooser.choose(spelling);
        EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Succeeded) << spelling;
        EXPECT_EQ(prompter.last().text, "Restore completed sucessfully");
        EXPECT_EQ(contents(data.path() + "Download/", true), saved) << "the restored backup survives";
        EXPECT_NE(doc.golferTable().find("Current, New"), store::storeOk) << "the backup was restored";
    }
}

TEST_F(DatabaseBackupTest, LongCopiesAndPacksShowTheWaitCursorButNotOverMessages) {
    std::vector<int> depths;
    prompter.onShow = [&](const platform::Message&) { depths.push_back(cursor.depth); };
    chooser.choose(other.path());
    ASSERT_EQ(backup.backupDatabases(), CommandOutcome::Succeeded);
    chooser.choose(other.path());
    ASSERT_EQ(backup.restoreDatabases(), CommandOutcome::Succeeded);
    const int begunBeforeCompress = cursor.begun;
    ASSERT_EQ(backup.compressDatabases(), CommandOutcome::Succeeded);
    EXPECT_GT(cursor.begun, begunBeforeCompress);
    files.failFromCopy = files.failUntilCopy = files.copies + 1;
    chooser.choose(other.path());
    EXPECT_EQ(backup.backupDatabases(), CommandOutcome::Failed);
    EXPECT_GE(cursor.begun, 4);
    EXPECT_EQ(cursor.depth, 0);
    EXPECT_EQ(depths, std::vector<int>(prompter.shown.size(), 0));
}

TEST_F(DatabaseBackupTest, RestoredFilesAreWritableEvenFromReadOnlyBackups) {
    const std::string folder = makeBackupFolder();
    for (const auto& file : databaseFiles)
        fs::permissions(folder + "/" + backupName(file), fs::perms::owner_read, fs::perm_options::replace);
    chooser.choose(folder);
    ASSERT_EQ(backup.restoreDatabases(), CommandOutcome::Succeeded);
    for (const auto& file : databaseFiles)
        EXPECT_NE(fs::status(data.path() + file).permissions() & fs::perms::owner_write, fs::perms::none)
            << file;
    addGolfer("Writable");
}

TEST_F(DatabaseBackupTest, RestoreFailingPartWayPutsThePreviousFilesBackWhole) {
    addGolfer("Previous");
    doc.closeDatabase();
    const auto before = contents(data.path(), false);
    ASSERT_EQ(doc.reopenDatabase(), store::storeOk);
    chooser.choose(makeBackupFolder());
    files.failFromCopy = files.failUntilCopy = 9; // the third copy out of the backup: Courses.dbf
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Failed);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Are you sure you want to replace your current Golf databases with a backup copy?",
                  "Restore of database '" + data.path() + "Courses.dbf' failed, rc = 28", "Restore failed"}));
    EXPECT_EQ(prompter.last().icon, Icon::Error);
    EXPECT_EQ(prompter.last().caption, "Restore Complete");
    EXPECT_EQ(contents(data.path(), false), before) << "no mix of old and new tables";
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.golferTable().find("Previous, New"), store::storeOk);
}

TEST_F(DatabaseBackupTest, FailedRestoreFromTheSafetyFolderItselfLeavesTheTablesWhole) {
    fs::create_directories(data.path() + "Download");
    for (const auto& file : databaseFiles)
        fs::copy_file(test::fixturePath(file), data.path() + "Download/" + backupName(file));
    addGolfer("Current");
    doc.closeDatabase();
    const auto before = contents(data.path(), false);
    ASSERT_EQ(doc.reopenDatabase(), store::storeOk);
    chooser.choose(data.path() + "Download/");
    files.failFromCopy = files.failUntilCopy = 4;
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Failed);
    EXPECT_EQ(prompter.last().text, "Restore failed");
    EXPECT_EQ(contents(data.path(), false), before);
    EXPECT_EQ(doc.golferTable().find("Current, New"), store::storeOk);
}

TEST_F(DatabaseBackupTest, RestoreWithoutACompleteSafetyCopyLeavesTheDatabaseAlone) {
    doc.closeDatabase();
    const auto before = contents(data.path(), false);
    ASSERT_EQ(doc.reopenDatabase(), store::storeOk);
    chooser.choose(makeBackupFolder());
    files.failFromCopy = files.failUntilCopy = 2;
    EXPECT_EQ(backup.restoreDatabases(), CommandOutcome::Failed);
    EXPECT_EQ(prompter.shown[1].text, "Backup of database '" + data.path() + "Scores.cdx' failed, rc = 28");
    EXPECT_EQ(prompter.last().text, "Restore failed");
    EXPECT_EQ(files.copies, 6) << "nothing copied out of the backup";
    EXPECT_EQ(contents(data.path(), false), before);
    EXPECT_TRUE(doc.isOpen());
}

TEST_F(DatabaseBackupTest, CompressPacksDeletedRoundsAwayForGood) {
    const auto sizeBefore = fs::file_size(data.path() + "Scores.dbf");
    ASSERT_GT(doc.deleteGolferRounds("Okonkwo, Ike"), 0);
    EXPECT_EQ(backup.compressDatabases(), CommandOutcome::Succeeded);
    EXPECT_EQ(prompter.last().text, "Database Compress Completed");
    EXPECT_EQ(prompter.last().caption, "Databases Compressed");
    EXPECT_EQ(prompter.last().icon, Icon::Information);
    EXPECT_LT(fs::file_size(data.path() + "Scores.dbf"), sizeBefore);
    EXPECT_EQ(doc.scoreTable().findNewest("Okonkwo, Ike"), store::storeOk);
    EXPECT_NE(doc.scoreTable().record().golfer, "Okonkwo, Ike");
}

} // namespace
} // namespace kip::golfdb
