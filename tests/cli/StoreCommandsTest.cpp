// kipgolf-cli dump, check and reindex, run as a program against copies of the peer tables.

#include "cli/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kip::cli {
namespace {

CliRun runCli(const std::string& dataDir, const std::string& arguments) {
    return runShell(std::string("'") + KIP_CLI_PATH + "' '/datadir=" + dataDir + "' " + arguments + " 2>&1");
}

std::string fixture(const std::string& name) {
    return test::readFile(test::fixturePath(name));
}
std::string fromSecondLine(const std::string& text) {
    return text.substr(text.find('\n') + 1);
}
std::string keysOf(const std::string& dump) {
    return dump.substr(dump.find("\nkeys\t"), dump.find("\nintegrity\t") - dump.find("\nkeys\t"));
}

class StoreCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* t : {"Courses", "Golfers", "Scores", "KipCourses"})
            dir.copyFixture(t);
    }
    test::TempDir dir;
};

TEST_F(StoreCommandsTest, DumpPrintsThePeersView) {
    for (const char* t : {"Courses", "Golfers", "Scores", "KipCourses"}) {
        const CliRun dump = runCli(dir.path(), std::string("dump ") + t);
        EXPECT_EQ(dump.exitCode, 0) << t;
        EXPECT_TRUE(fromSecondLine(dump.out) == fromSecondLine(fixture(std::string(t) + ".expected.txt")))
            << t;
        const CliRun records = runCli(dir.path(), std::string("dump ") + dir.file(t) + " records");
        EXPECT_EQ(records.exitCode, 0) << t;
        EXPECT_TRUE(records.out == fixture(std::string(t) + ".records.txt")) << t;
    }
    EXPECT_NE(runCli(dir.path(), "dump Nothing").exitCode, 0);
}

TEST_F(StoreCommandsTest, CheckNamesTheDamagedTable) {
    EXPECT_EQ(runCli(dir.path(), "check").exitCode, 0);
    std::string cdx = test::readFile(dir.file("Golfers.cdx"));
    std::fill(cdx.begin() + 1024, cdx.end(), '\0');
    std::ofstream(dir.file("Golfers.cdx"), std::ios::binary | std::ios::trunc) << cdx;
    const CliRun check = runCli(dir.path(), "check");
    EXPECT_NE(check.exitCode, 0);
    EXPECT_NE(check.out.find("Golfers:"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("Scores: "), check.out.find("Scores: ok")) << check.out;

    // Records shifted by a byte no longer start with a deletion mark.
    std::string dbf = test::readFile(dir.file("Courses.dbf"));
    dbf.insert(418, 1, 'X');
    dbf.pop_back();
    std::ofstream(dir.file("Courses.dbf"), std::ios::binary | std::ios::trunc) << dbf;
    const CliRun shifted = runCli(dir.path(), "check");
    EXPECT_NE(shifted.out.find("Courses: record 1 has no deletion mark"), std::string::npos) << shifted.out;
}

TEST_F(StoreCommandsTest, ReindexRebuildsDamagedAndMissingIndexesInTheSameOrder) {
    const std::string keysBefore = keysOf(runCli(dir.path(), "dump Scores").out);
    std::ofstream(dir.file("Scores.cdx"), std::ios::binary | std::ios::trunc) << std::string(4096, '\x55');
    std::filesystem::remove(dir.file("Golfers.cdx"));
    EXPECT_NE(runCli(dir.path(), "check").exitCode, 0);

    const CliRun reindex = runCli(dir.path(), "reindex all");
    EXPECT_EQ(reindex.exitCode, 0) << reindex.out;
    const CliRun check = runCli(dir.path(), "check");
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(keysOf(runCli(dir.path(), "dump Scores").out), keysBefore);
    EXPECT_EQ(keysOf(runCli(dir.path(), "dump Golfers").out), keysOf(fixture("Golfers.expected.txt")));

    // A table the golf database does not know cannot be reindexed without its index.
    std::filesystem::copy_file(dir.file("Golfers.dbf"), dir.file("Other.dbf"));
    const CliRun other = runCli(dir.path(), "reindex Other");
    EXPECT_NE(other.exitCode, 0);
    EXPECT_NE(other.out.find("Other"), std::string::npos);
}

} // namespace
} // namespace kip::cli
