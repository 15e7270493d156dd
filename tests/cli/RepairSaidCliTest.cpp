// Whatever command opens the data folder, what the open repairs is said once on standard error:
// an index rebuilt, a stopped change undone, the leftovers of a stopped restore or backup removed.

#include "cli/GolfDataCli.h"
#include "golfdb/FolderSettle.h"
#include "store/UndoLog.h"

#include <filesystem>
#include <fstream>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;

const std::string scoresRebuilt =
    "The index of the Scores table did not match its rows and has been rebuilt from the table.";

int timesIn(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class RepairSaid : public GolfDataCli {
protected:
    void SetUp() override {
        data.addGolfer("Okonkwo, Ike", 7.5, 3);
        for (int day = 1; day <= 5; ++day)
            data.addRound({"Okonkwo, Ike", 2024, 5, day, 9.1, 80 + day, "Cedar Ridge"});
        data.doc().syncAll();
        data.doc().closeDatabase();
    }
    void touch(const std::string& path) { std::ofstream(path, std::ios::binary) << "left behind"; }
};

TEST_F(RepairSaid, EveryCommandThatOpensTheFolderSaysARebuiltIndexOnceOnStandardError) {
    for (const char* command : {"golfers", "rounds 'Okonkwo, Ike'", "handicap 'Okonkwo, Ike'", "recalc",
                                "report handicaps", "year delete 1999"}) {
        fs::remove(data.folder + "Scores.cdx");
        const CliRun first = run(command);
        EXPECT_EQ(first.exitCode, 0) << command << ": " << first.err;
        EXPECT_EQ(timesIn(first.err, scoresRebuilt), 1) << command << ": " << first.err;
        EXPECT_EQ(timesIn(first.out, scoresRebuilt), 0) << command;
        const CliRun again = run(command);
        EXPECT_EQ(again.err, "") << command;
    }
}

TEST_F(RepairSaid, AStoppedChangeIsUndoneAndSaid) {
    {
        // A deletion of every round whose log was never dropped: the program stopped in the middle.
        golfdb::ScoreTable scores(data.folder + "Scores");
        ASSERT_EQ(scores.open(), 0);
        store::UndoLog log;
        ASSERT_EQ(log.create(data.folder + store::undoLogName), 0);
        ASSERT_EQ(store::guardTable(scores.storeTable(), log), 0);
        ASSERT_EQ(scores.goTop(), 0);
        ASSERT_EQ(scores.remove(), 0);
        ASSERT_EQ(scores.goTop(), 0);
        ASSERT_EQ(scores.remove(), 0);
        store::unguardTable(scores.storeTable());
    }
    const CliRun rounds = run("rounds 'Okonkwo, Ike'");
    EXPECT_EQ(rounds.exitCode, 0);
    EXPECT_EQ(linesOf(rounds.out).size(), 5u) << rounds.out;
    EXPECT_EQ(rounds.err,
              "A change to the Scores table that was interrupted has been undone: the rows are as they were "
              "before it.\n");
    EXPECT_FALSE(fs::exists(data.folder + store::undoLogName)); // rolled back, then removed
    EXPECT_EQ(run("check").exitCode, 0);
}

TEST_F(RepairSaid, LeftoversOfAStoppedRestoreOrBackupAreRemovedAndNamed) {
    const std::string safety = data.folder + "Download/";
    const std::string backup = data.dir.path() + "backup/";
    fs::create_directories(safety);
    fs::create_directories(backup);
    touch(data.folder + "Scores.dbf.staged.part");
    touch(safety + "Golfers.bkdbf.staged");
    touch(backup + "Scores.bkdbf.staged");
    touch(backup + "Scores.bkcdx.staged.part");
    touch(backup + "Courses.bkdbf"); // a finished file of an earlier backup stays
    ASSERT_TRUE(golfdb::markFolder(data.folder, golfdb::backupMarkName, backup));
    // A restore stopped after its safety copy was made: once the tables open it is not needed.
    for (const char* name : {"Courses", "Golfers", "Scores"}) {
        fs::copy_file(data.folder + name + ".dbf", safety + name + ".bkdbf");
        fs::copy_file(data.folder + name + ".cdx", safety + name + ".bkcdx");
    }
    ASSERT_TRUE(golfdb::markFolder(data.folder, golfdb::restoreMarkName, safety));

    const CliRun golfers = run("golfers");
    EXPECT_EQ(golfers.exitCode, 0) << golfers.err;
    for (const std::string& gone :
         {data.folder + "Scores.dbf.staged.part", safety + "Golfers.bkdbf.staged",
          backup + "Scores.bkdbf.staged", backup + "Scores.bkcdx.staged.part", safety + "Scores.bkdbf",
          data.folder + golfdb::backupMarkName, data.folder + golfdb::restoreMarkName}) {
        EXPECT_FALSE(fs::exists(gone)) << gone;
        if (gone.find("KipGolf.") == std::string::npos) {
            EXPECT_NE(golfers.err.find(fs::path(gone).filename().string()), std::string::npos) << gone;
        }
    }
    EXPECT_TRUE(fs::exists(backup + "Courses.bkdbf"));
    EXPECT_EQ(run("golfers").err, "");
}

TEST_F(RepairSaid, CheckShowsTheFilesAsTheyAreAndLeavesTheRepairToTheOpen) {
    touch(data.folder + "Scores.dbf.staged");
    EXPECT_EQ(run("check").exitCode, 0);
    EXPECT_TRUE(fs::exists(data.folder + "Scores.dbf.staged"));
}

} // namespace
} // namespace kip::cli
