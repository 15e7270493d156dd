// kipgolf-cli init, backup, restore and compress, run as a program with its own settings folder.

#include "cli/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;

class DatabaseCommandsTest : public ::testing::Test {
protected:
    // Runs the program with the settings and the default data folder inside `home`.
    CliRun run(const std::string& arguments) {
        const std::string command = "XDG_CONFIG_HOME='" + home.path() + "config' XDG_DATA_HOME='" +
                                    home.path() + "share' '" + KIP_CLI_PATH + "' " + arguments + " 2>&1";
        return runShell(command);
    }

    CliRun runIn(const std::string& dataDir, const std::string& arguments) {
        return run("'/datadir=" + dataDir + "' " + arguments);
    }

    std::string settingsFile() const { return home.path() + "config/KipGolf/KipGolf.ini"; }

    test::TempDir home;
    test::TempDir data;
    test::TempDir saved;
};

TEST_F(DatabaseCommandsTest, InitCreatesTheDatabaseOnceAndTheNamedFolderWhenMissing) {
    CliRun init = runIn(data.path(), "init");
    EXPECT_EQ(init.exitCode, 0) << init.out;
    for (const char* file :
         {"Courses.dbf", "Courses.cdx", "Golfers.dbf", "Golfers.cdx", "Scores.dbf", "Scores.cdx"})
        EXPECT_TRUE(fs::exists(data.path() + file)) << file;
    EXPECT_EQ(init.out.find("create new ones?"), std::string::npos) << "no question";

    const std::string scores = test::readFile(data.path() + "Scores.dbf");
    EXPECT_EQ(runIn(data.path(), "init").exitCode, 0);
    EXPECT_EQ(test::readFile(data.path() + "Scores.dbf"), scores);

    init = runIn(data.path() + "missing/deeper", "init");
    EXPECT_EQ(init.exitCode, 0) << init.out;
    EXPECT_TRUE(fs::exists(data.path() + "missing/deeper/Scores.cdx"));
}

TEST_F(DatabaseCommandsTest, InitInTheDefaultFolderPreparesItFirst) {
    const CliRun init = run("init");
    EXPECT_EQ(init.exitCode, 0) << init.out;
    EXPECT_TRUE(fs::exists(home.path() + "share/KipGolf/Golfers.dbf"));
    EXPECT_TRUE(fs::is_directory(home.path() + "share/KipGolf/Download"));
    EXPECT_NE(test::readFile(settingsFile()).find("InstallDate="), std::string::npos);
}

TEST_F(DatabaseCommandsTest, BackupRestoreAndCompressReportTheirOutcome) {
    for (const char* name : {"Courses", "Golfers", "Scores"})
        data.copyFixture(name);
    CliRun result = runIn(data.path(), "backup '" + saved.path() + "'");
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_EQ(result.out, "Backup completed sucessfully\n");
    EXPECT_EQ(test::readFile(saved.path() + "Scores.bkdbf"), test::readFile(data.path() + "Scores.dbf"));
    EXPECT_NE(test::readFile(settingsFile()).find("LastBackup="), std::string::npos);

    result = runIn(data.path(), "restore '" + saved.path() + "'");
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_NE(result.out.find("Restore completed sucessfully\n"), std::string::npos);

    result = runIn(data.path(), "compress");
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_EQ(result.out, "Database Compress Completed\n");
}

TEST_F(DatabaseCommandsTest, FailuresExitNonZero) {
    EXPECT_EQ(runIn(data.path(), "backup '" + saved.path() + "'").exitCode, 1) << "no database yet";
    EXPECT_EQ(runIn(data.path(), "compress").exitCode, 1);
    EXPECT_EQ(runIn(data.path(), "backup").exitCode, 64);

    const CliRun restore = runIn(data.path(), "restore '" + saved.path() + "'");
    EXPECT_EQ(restore.exitCode, 1);
    EXPECT_EQ(restore.out, "Not all databases exist at this restore path, restore cancelled\n");
    EXPECT_FALSE(fs::exists(data.path() + "Scores.dbf"));

    for (const char* name : {"Courses", "Golfers", "Scores"})
        data.copyFixture(name);
    EXPECT_EQ(runIn(data.path(), "backup '" + saved.path() + "nowhere'").exitCode, 1);
}

} // namespace
} // namespace kip::cli
