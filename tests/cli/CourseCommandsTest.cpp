// kipgolf-cli courses, course add, master and copy-master, run as a program with its own settings.

#include "cli/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;

const std::string pars = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";
const std::string yards = "400,380,170,520,410,390,160,530,420,401,381,171,521,411,391,161,531,421";

class CourseCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run(data, "init").exitCode, 0);
        ASSERT_EQ(run(masterDir, "init").exitCode, 0);
    }
    CliRun run(const test::TempDir& dir, const std::string& arguments, bool withErrors = true) {
        return runShell("XDG_CONFIG_HOME='" + home.path() + "' '" + KIP_CLI_PATH + "' '/datadir=" +
                        dir.path() + "' " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null"));
    }
    CliRun add(const test::TempDir& dir, const std::string& course, const std::string& more = "") {
        return run(dir, "course add " + course + " " + pars + " " + yards + " " + more);
    }
    // The master folder's course table becomes the data folder's master table.
    void installMaster() {
        for (const char* ext : {".dbf", ".cdx"})
            fs::copy_file(masterDir.path() + "Courses" + ext, data.path() + "KipCourses" + ext,
                          fs::copy_options::overwrite_existing);
    }
    test::TempDir home, data, masterDir;
};

TEST_F(CourseCommandsTest, CourseAddRefusesWhatTheEditorWouldQuestion) {
    CliRun r = add(data, "'Alder Run' Lexington ky Blue 71.2 125", "--phone 555-0100");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Alder Run (Blue) has been added\n");
    r = add(data, "'Alder Run' Lexington KY White 69.0 160");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("The course Slope appears incorrect."), std::string::npos);
    EXPECT_NE(r.out.find("--accept"), std::string::npos);
    EXPECT_EQ(add(data, "'Alder Run' Lexington KY White 69.0 160", "--accept").exitCode, 0);
    r = add(data, "'Alder Run' Lexington KY White 69.0 120");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Course Alder Run (White) is already in the database\n");
    r = add(data, "'Alder Run' Lexington KY Red 69.0 120 --zip 12345678901");
    EXPECT_EQ(r.out, "Enter no more than 10 characters.\n");
    EXPECT_EQ(run(data, "course add 'Alder Run' Lexington KY Red 69.0 120 4,4 " + yards).exitCode, 64);

    r = run(data, "courses --tees");
    EXPECT_EQ(r.out, "1\tAlder Run (Blue)\t  Lexington, KY\n2\tAlder Run (White)\t  Lexington, KY\n");
    EXPECT_EQ(run(data, "courses").out, "1\tAlder Run\t  Lexington, KY\n");
}

TEST_F(CourseCommandsTest, NamesWithLettersTheTablesCannotHoldAreRefused) {
    CliRun r = add(data, "'Ωmega Links' Lexington KY Blue 71.2 125");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Course Name holds letters the database cannot store: Ω\n");
    r = add(data, "'Omega Links' Lexington KY 'Blue ☆' 71.2 125");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Tee Color/Name holds letters the database cannot store: ☆\n");
    EXPECT_EQ(run(data, "courses").out, "");
    r = add(data, "'Église Links' Montréal QC Blue 71.2 125");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(run(data, "courses").out, "1\tÉglise Links\t  Montréal, QC\n");
}

TEST_F(CourseCommandsTest, MasterListsAndCopyMasterCopiesEveryTee) {
    EXPECT_EQ(run(data, "master", false).exitCode, 1);
    add(masterDir, "Hillcrest Paris KY Blue 71.2 125");
    add(masterDir, "Hillcrest Paris KY White 69.5 120");
    add(masterDir, "'Oak Hill' Ashland KY Red 68.0 113");
    add(masterDir, "Pinewood Erie PA Gold 70.0 118");
    installMaster();

    EXPECT_EQ(run(data, "master").out,
              "3\tKY, Ashland               \tOak Hill\n1\tKY, Paris                 \tHillcrest\n"
              "4\tPA, Erie                  \tPinewood\n");
    EXPECT_EQ(run(data, "master --state pa --by-name").out,
              "4\tPinewood                                 \tErie, PA\n");

    add(data, "Hillcrest Paris KY White 60.0 100 --accept");
    CliRun r = run(data, "copy-master Hillcrest Paris KY");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Hillcrest (Blue) copied from Master\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Hillcrest (White) already exists"), std::string::npos) << r.out;
    EXPECT_NE(run(data, "copy-master Hillcrest Paris KY --replace").out.find("Hillcrest (White) replaced"),
              std::string::npos);
    EXPECT_EQ(run(data, "copy-master Hillcrest Paris OH", false).exitCode, 1);
    EXPECT_EQ(run(data, "courses --tees").out,
              "2\tHillcrest (Blue)\t  Paris, KY\n1\tHillcrest (White)\t  Paris, KY\n");
}

} // namespace
} // namespace kip::cli
