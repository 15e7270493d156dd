// Opening, creating, reopening and closing the golf database through the document, and the data
// folder chosen at start-up.

#include "golfdb/CKipGolfDoc.h"
#include "golfdb/DataFolder.h"
#include "store/DbfExaminer.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Icon;

constexpr const char* askCreate =
    "Could not find golf databases, create new ones? (If this is the first time you have started the golf "
    "program, this is normal and you should reply YES";

bool tableFilesExist(const std::string& dir, const char* name) {
    return fs::exists(dir + name + ".dbf") && fs::exists(dir + name + ".cdx");
}

// The structure lines (fields and tag definition) of a table dump.
std::vector<std::string> structureLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        for (const char* prefix : {"record-length", "header-length", "field\t", "tag\t", "tag-key\t",
                                   "tag-for", "tag-unique", "tag-descending"})
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line);
    return lines;
}

std::vector<std::string> structureOfCreated(const std::string& path) {
    store::DbfExaminer examiner;
    EXPECT_EQ(examiner.open(path), 0);
    std::stringstream dump;
    examiner.dump(dump);
    return structureLines(dump);
}

std::vector<std::string> structureOfPeer(const std::string& table) {
    std::ifstream in(test::fixturePath(table + ".expected.txt"));
    return structureLines(in);
}

class DocumentStartup : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(DocumentStartup, EmptyFolderWithYesCreatesTablesLikeThePeerProgramsOnes) {
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::Created);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.last().text, askCreate);
    EXPECT_EQ(prompter.last().icon, Icon::Question);
    EXPECT_EQ(prompter.last().buttons, platform::Buttons::YesNo);
    EXPECT_FALSE(doc.endRequested());
    EXPECT_EQ(doc.title(), "Golf Score Tracker");
    EXPECT_TRUE(doc.isOpen());
    doc.closeDatabase();

    for (const char* name : {"Courses", "Golfers", "Scores"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(tableFilesExist(dir.path(), name));
        const auto created = structureOfCreated(dir.path() + name + ".dbf");
        auto peer = structureOfPeer(name);
        // The peer program writes one extra byte after the header terminator; the length is free.
        std::erase_if(peer, [](const std::string& l) { return l.rfind("header-length", 0) == 0; });
        std::vector<std::string> createdWithoutHeader = created;
        std::erase_if(createdWithoutHeader,
                      [](const std::string& l) { return l.rfind("header-length", 0) == 0; });
        EXPECT_EQ(createdWithoutHeader, peer);
    }
}

TEST_F(DocumentStartup, ExistingTablesOpenWithoutAQuestion) {
    {
        CKipGolfDoc first(dir.path(), prompter);
        ASSERT_EQ(first.openDatabase(), OpenOutcome::Created);
    }
    prompter.shown.clear();
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(doc.exitCode(), 0);
}

TEST_F(DocumentStartup, AnsweringNoEndsTheProgramWithoutCreatingAnything) {
    prompter.answer(Answer::No);
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
    EXPECT_EQ(
        prompter.texts(),
        (std::vector<std::string>{askCreate, "Databases not created at user's request, program cancelled."}));
    EXPECT_EQ(prompter.last().icon, Icon::Error);
    EXPECT_EQ(doc.exitCode(), exitCodeDatabaseFailure);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(DocumentStartup, MissingGolferOrScoreTableEndsTheProgramAndCreatesNothing) {
    dir.copyFixture("Courses");
    {
        CKipGolfDoc doc(dir.path(), prompter);
        EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
        EXPECT_EQ(prompter.texts(),
                  (std::vector<std::string>{"Could not find golfer database, program cancelled."}));
        EXPECT_EQ(doc.exitCode(), 2);
    }
    EXPECT_FALSE(fs::exists(dir.path() + "Golfers.dbf"));

    dir.copyFixture("Golfers");
    prompter.shown.clear();
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Could not find scores database, program cancelled."}));
    EXPECT_FALSE(fs::exists(dir.path() + "Scores.dbf"));
}

TEST_F(DocumentStartup, MissingDataFolderIsMadeWithTheDatabaseOnYesAndNotOnNo) {
    {
        prompter.answer(platform::Answer::No);
        CKipGolfDoc doc(dir.path() + "nowhere/", prompter);
        EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
    }
    EXPECT_FALSE(fs::exists(dir.path() + "nowhere"));
    prompter.answer(platform::Answer::Yes);
    CKipGolfDoc doc(dir.path() + "nowhere/deeper/", prompter);
    doc.holdWriterLock();
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::Created);
    EXPECT_TRUE(fs::exists(dir.path() + "nowhere/deeper/Scores.cdx"));
    EXPECT_TRUE(doc.writerLockHeld());
}

TEST_F(DocumentStartup, FailedCreationLeavesNoHalfDatabaseBehind) {
    // A stray index file makes creating the score table fail.
    std::ofstream(dir.path() + "Scores.cdx") << "stray";
    {
        CKipGolfDoc doc(dir.path(), prompter);
        EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
        EXPECT_EQ(prompter.last().text, "Could not create scores database, program cancelled.");
    }
    EXPECT_FALSE(fs::exists(dir.path() + "Courses.dbf"));
    EXPECT_FALSE(fs::exists(dir.path() + "Golfers.dbf"));
    EXPECT_EQ(test::readFile(dir.path() + "Scores.cdx"), "stray") << "a file we did not make stays";

    // So the next start asks again instead of failing on the golfer table for ever.
    fs::remove(dir.path() + "Scores.cdx");
    prompter.shown.clear();
    CKipGolfDoc again(dir.path(), prompter);
    EXPECT_EQ(again.openDatabase(), OpenOutcome::Created);
}

TEST_F(DocumentStartup, DamagedCourseTableIsNeverOverwritten) {
    std::ofstream(dir.path() + "Courses.dbf") << "not a table";
    dir.copyFixture("Golfers");
    const std::string golfers = test::readFile(dir.path() + "Golfers.dbf");
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_EQ(doc.openDatabase(), OpenOutcome::EndProgram);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{askCreate, "Could not create course database, program cancelled."}));
    EXPECT_EQ(test::readFile(dir.path() + "Courses.dbf"), "not a table");
    EXPECT_EQ(test::readFile(dir.path() + "Golfers.dbf"), golfers);
}

TEST_F(DocumentStartup, ReopenReportsTheFirstMissingTable) {
    dir.copyFixture("Courses");
    dir.copyFixture("Golfers");
    dir.copyFixture("Scores");
    CKipGolfDoc doc(dir.path(), prompter);
    ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    doc.closeDatabase();
    EXPECT_EQ(doc.reopenDatabase(), store::storeOk);
    EXPECT_TRUE(doc.isOpen());

    doc.closeDatabase();
    fs::remove(dir.path() + "Golfers.dbf");
    EXPECT_LT(doc.reopenDatabase(), 0);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Could not find golfer database, program cancelled."}));
    EXPECT_EQ(prompter.last().icon, Icon::Error);
    EXPECT_EQ(doc.exitCode(), 2);
}

TEST_F(DocumentStartup, HandicapRuleReachesTheScoreTable) {
    dir.copyFixture("Courses");
    dir.copyFixture("Golfers");
    dir.copyFixture("Scores");
    CKipGolfDoc doc(dir.path(), prompter);
    doc.setHandicapRule(ruleLowestHalf);
    ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    EXPECT_EQ(doc.scoreTable().handicapRule(), ruleLowestHalf);
    EXPECT_EQ(doc.scoreTable().roundsUsed(7), 4);
}

TEST_F(DocumentStartup, MasterCourseTableOpensOnDemand) {
    CKipGolfDoc doc(dir.path(), prompter);
    EXPECT_LT(doc.openMasterTable(), 0) << "never created by the program";
    dir.copyFixture("KipCourses");
    ASSERT_EQ(doc.openMasterTable(), store::storeOk);
    EXPECT_EQ(doc.masterTable()->goTop(), store::storeOk);
    EXPECT_EQ(doc.masterTable()->record().name, "Aaron's Pasture");
    doc.closeMasterTable();
    EXPECT_EQ(doc.masterTable(), nullptr);
}

TEST(DataFolder, OnlyAnExactFirstArgumentNamesTheFolder) {
    EXPECT_FALSE(parseDataDirArgument({}).dataDirGiven);
    EXPECT_FALSE(parseDataDirArgument({"/DATADIR=/golf"}).dataDirGiven);
    EXPECT_FALSE(parseDataDirArgument({"x", "/datadir=/golf"}).dataDirGiven);
    const DataDirChoice given = parseDataDirArgument({"/datadir=/srv/golf"});
    EXPECT_TRUE(given.dataDirGiven);
    EXPECT_EQ(dataDirectoryFor(given, "/home/u/.local/share/"), "/srv/golf/");
    EXPECT_EQ(dataDirectoryFor(parseDataDirArgument({"/datadir="}), "/ignored/"), "/");
    EXPECT_EQ(dataDirectoryFor(DataDirChoice{}, "/home/u/.local/share"), "/home/u/.local/share/KipGolf/");
    EXPECT_EQ(safetyFolderOf("/srv/golf/"), "/srv/golf/Download/");
}

TEST(DataFolder, FirstStartPreparesTheDefaultFolderOnce) {
    test::TempDir dir;
    platform::LocalFileOps files;
    test::MemorySettingsStore settings;
    test::FixedClock clock({2026, 3, 7});
    const std::string dataDir = dir.path() + "share/KipGolf/";
    ASSERT_EQ(prepareDefaultDataFolder(dataDir, files, settings, clock), 0);
    EXPECT_TRUE(fs::is_directory(dataDir + "Download"));
    EXPECT_EQ(settings.values["Settings/InstallDate"], "20260307");

    clock.date = {2027, 1, 1};
    ASSERT_EQ(prepareDefaultDataFolder(dataDir, files, settings, clock), 0);
    EXPECT_EQ(settings.values["Settings/InstallDate"], "20260307") << "written only while unset";

    std::ofstream(dir.path() + "plainfile") << "x";
    EXPECT_NE(prepareDefaultDataFolder(dir.path() + "plainfile/", files, settings, clock), 0);
}

} // namespace
} // namespace kip::golfdb
