// kipgolf-cli and the safety of the data folder: one writer at a time, checks that name what is
// missing, a reindex that keeps the index's permissions.

#include "cli/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;

CliRun runCli(const std::string& dataDir, const std::string& arguments) {
    return runShell(std::string("'") + KIP_CLI_PATH + "' '/datadir=" + dataDir + "' " + arguments + " 2>&1");
}

class DataSafetyCli : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* t : {"Courses", "Golfers", "Scores"})
            dir.copyFixture(t);
    }
    test::TempDir dir;
};

TEST_F(DataSafetyCli, ASecondWriterIsRefusedWithExitTwoWhileReadersGoOn) {
    // Another Kip Golf program holds the folder's writer lock.
    const int fd = ::open((dir.path() + "KipGolf.lock").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    for (const char* writer : {"compress", "recalc", "reindex Scores", "init"}) {
        const CliRun refused = runCli(dir.path(), writer);
        EXPECT_EQ(refused.exitCode, 2) << writer;
        EXPECT_EQ(refused.out,
                  "The golf database in " + dir.path() + " is in use by another Kip Golf program.\n")
            << writer;
    }
    EXPECT_EQ(runCli(dir.path(), "check").exitCode, 0);
    EXPECT_EQ(runCli(dir.path(), "dump Scores").exitCode, 0);
    ::close(fd);
    EXPECT_EQ(runCli(dir.path(), "compress").exitCode, 0);
}

TEST_F(DataSafetyCli, TwoWritersStartedTogetherNeverBothRun) {
    // Many rounds of two compresses at once: each pair has at most one refusal, and every refusal
    // is the in-use message; the tables stay whole.
    int refusals = 0;
    for (int i = 0; i < 10; ++i) {
        const std::string cli = std::string("'") + KIP_CLI_PATH + "' '/datadir=" + dir.path() + "' ";
        const CliRun both = runShell("(" + cli + "compress >/dev/null 2>&1; echo a$?) & (" + cli +
                                     "recalc >/dev/null 2>&1; echo b$?) & wait");
        refusals += (both.out.find("a2") != std::string::npos) + (both.out.find("b2") != std::string::npos);
        EXPECT_TRUE(both.out.find("a0") != std::string::npos || both.out.find("b0") != std::string::npos)
            << both.out;
    }
    EXPECT_EQ(runCli(dir.path(), "check").exitCode, 0);
    RecordProperty("refusals", refusals);
}

TEST_F(DataSafetyCli, HelpPrintsTheUsageAndSucceeds) {
    const CliRun help = runShell(std::string("'") + KIP_CLI_PATH + "' --help 2>/dev/null");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: kipgolf-cli", 0), 0u) << help.out;
}

TEST_F(DataSafetyCli, CheckNamesAMissingTableAndReindexSaysWhatIsMissing) {
    fs::remove(dir.path() + "Golfers.dbf");
    const CliRun check = runCli(dir.path(), "check");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("Golfers: the table is missing"), std::string::npos) << check.out;

    test::TempDir empty;
    const CliRun reindex = runCli(empty.path(), "reindex all");
    EXPECT_NE(reindex.exitCode, 0);
    EXPECT_EQ(reindex.out, "kipgolf-cli reindex: no tables in " + empty.path() + "\n");
}

TEST_F(DataSafetyCli, ReindexKeepsAReadOnlyIndexReadOnlyAndRepairsADamagedTagHeader) {
    const std::string index = dir.path() + "Scores.cdx";
    // Damage the tag header's key expression: the index opens but its key cannot be evaluated.
    {
        const std::string image = test::readFile(index);
        const size_t at = image.find("GOLFER+DATE");
        ASSERT_NE(at, std::string::npos);
        FILE* f = std::fopen(index.c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, static_cast<long>(at), SEEK_SET);
        std::fputs("GOLFER+XXXX", f);
        std::fclose(f);
    }
    fs::permissions(index, fs::perms::owner_read | fs::perms::group_read);
    const CliRun reindex = runCli(dir.path(), "reindex Scores");
    EXPECT_EQ(reindex.exitCode, 0) << reindex.out;
    EXPECT_EQ(fs::status(index).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_NE(test::readFile(index).find("GOLFER+DATE"), std::string::npos);
    fs::permissions(index, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(runCli(dir.path(), "check").exitCode, 0);
}

} // namespace
} // namespace kip::cli
