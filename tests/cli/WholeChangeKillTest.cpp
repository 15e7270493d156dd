// Changes over many rows are whole after a kill at any write: each one runs in a child process that
// the store kills at its n-th write (n = 1, 2, ... until the change ends by itself); the next open
// must then find exactly the database before the change or exactly the one after it, with tables
// and indexes that agree (as an independent reader counts them too).

#include "exchange/RoundsFile.h"
#include "golfdb/CKipGolfDoc.h"
#include "golfdb/RepairNotes.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"
#include "manage/GolferCommands.h"
#include "rounds/RoundSelectionDlgs.h"
#include "store/DbfExaminer.h"
#include "store/FileIo.h"
#include "store/UndoLog.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

constexpr int golferCount = 40;
constexpr int roundsEach = 50; // 2,000 rounds

std::string golferKey(int g) {
    return "Golfer" + std::to_string(g) + ", Kill";
}

void addRound(CKipGolfDoc& doc, const std::string& golfer, int n) {
    ScoreRecord& r = doc.scoreTable().record();
    r.clear();
    r.golfer = golfer;
    r.name = "Alder Run";
    r.tee = "Blue";
    r.slope = 125;
    r.rating = 71.5;
    r.year = 2020 + n % 5;
    r.month = 1 + n / 28 % 12;
    r.day = 1 + n % 28;
    r.totalStrokes = 70 + n % 30;
    doc.scoreTable().add();
}

// What a user sees of the database: the golfers and every live round, and whether every table
// passes the checks of an independent reader.
struct State {
    std::vector<std::string> golfers;
    std::multiset<std::string> rounds;
    bool operator==(const State&) const = default;
};

std::vector<std::string> faultsOf(const std::string& dir) {
    std::vector<std::string> faults;
    for (const char* name : {"Courses", "Golfers", "Scores"}) {
        store::DbfExaminer examiner;
        if (examiner.open(dir + name + ".dbf") != store::storeOk) {
            faults.push_back(std::string(name) + " does not open");
            continue;
        }
        const auto found = examiner.check();
        faults.insert(faults.end(), found.begin(), found.end());
    }
    return faults;
}

State stateOf(const std::string& dir, std::vector<std::string>* notes = nullptr) {
    test::ScriptedPrompter prompter;
    State state;
    {
        CKipGolfDoc doc(dir, prompter);
        if (doc.openDatabase() != OpenOutcome::Opened)
            return state;
        for (const ListItem& golfer : doc.golferList())
            state.golfers.push_back(golfer.text);
        ScoreTable& scores = doc.scoreTable();
        for (int rc = scores.goTop(); rc == store::storeOk; rc = scores.skip())
            state.rounds.insert(scores.record().golfer + "|" + std::to_string(scores.record().year) + "-" +
                                std::to_string(scores.record().month) + "-" +
                                std::to_string(scores.record().day) + "|" +
                                std::to_string(scores.record().totalStrokes));
    }
    if (notes)
        for (const auto& shown : prompter.shown)
            notes->push_back(shown.text);
    return state;
}

void copyFolder(const std::string& from, const std::string& to) {
    fs::remove_all(to);
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from))
        if (entry.is_regular_file() && entry.path().filename() != "KipGolf.lock")
            fs::copy_file(entry.path(), to + entry.path().filename().string());
}

// Kills by the hundred: in memory when the system offers a memory file system, so the test does
// not wait for the disk (a kill never loses what the system already holds).
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern =
            (fs::is_directory("/dev/shm") ? std::string("/dev/shm") : fs::temp_directory_path().string()) +
            "/kipgolf-kill-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr)
            root_ = pattern + "/";
    }
    ~WorkFolder() {
        std::error_code ec;
        if (!root_.empty())
            fs::remove_all(root_, ec);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    std::string path() const { return root_; }

private:
    std::string root_;
};

using Change = std::function<void(CKipGolfDoc&)>;

// Runs the change in a child killed at its n-th write; true when the child ended by itself.
bool runChild(const std::string& dir, const Change& change, long killAt) {
    const pid_t child = ::fork();
    if (child == 0) {
        test::ScriptedPrompter prompter;
        CKipGolfDoc doc(dir, prompter);
        if (doc.openDatabase() != OpenOutcome::Opened)
            ::_exit(3);
        store::killAtWrite(killAt);
        change(doc);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct KillFigures {
    int kills = 0;
    int foundBefore = 0;
    int foundAfter = 0;
    int undoneSaid = 0;
};

class WholeChange : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        base = new WorkFolder();
        test::ScriptedPrompter prompter;
        CKipGolfDoc doc(base->path(), prompter);
        doc.openDatabase();
        int n = 0;
        for (int g = 0; g < golferCount; ++g) {
            doc.golferTable().record().clear();
            doc.golferTable().joinName("Golfer" + std::to_string(g), "Kill");
            doc.golferTable().add();
            for (int r = 0; r < roundsEach; ++r)
                addRound(doc, golferKey(g), n++);
        }
        doc.syncAll();
    }
    static void TearDownTestSuite() {
        delete base;
        base = nullptr;
    }

    // Kills the change at every write (every `stride`-th one) and checks each outcome.
    KillFigures killEverywhere(const char* what, const Change& change, long stride = 1) {
        const std::string dir = work.path() + "db/";
        copyFolder(base->path(), dir);
        const State before = stateOf(dir);
        EXPECT_TRUE(runChild(dir, change, 0)) << what;
        const State after = stateOf(dir);
        EXPECT_NE(before, after) << what << ": the change must change something";
        KillFigures figures;
        for (long n = 1;; n += stride) {
            copyFolder(base->path(), dir);
            if (runChild(dir, change, n))
                break;
            ++figures.kills;
            std::vector<std::string> notes;
            const State found = stateOf(dir, &notes);
            const bool whole = found == before || found == after;
            EXPECT_TRUE(whole) << what << ": killed at write " << n << ": " << found.golfers.size()
                               << " golfers, " << found.rounds.size() << " rounds";
            figures.foundBefore += found == before;
            figures.foundAfter += found == after && !(found == before);
            for (const std::string& note : notes)
                figures.undoneSaid += note.find("has been undone") != std::string::npos;
            const auto faults = faultsOf(dir);
            EXPECT_TRUE(faults.empty()) << what << ": killed at write " << n << ": " << faults.front();
            std::error_code ec;
            EXPECT_EQ(fs::file_size(dir + store::undoLogName, ec) * !ec, 0u) << what << " at write " << n;
            if (!whole || !faults.empty())
                break;
        }
        RecordProperty(std::string(what) + "_kills", figures.kills);
        std::printf("%s: %d kills, %d found as before, %d found as after, %d undone and said\n", what,
                    figures.kills, figures.foundBefore, figures.foundAfter, figures.undoneSaid);
        EXPECT_GT(figures.kills, 0);
        EXPECT_GT(figures.foundBefore, 0);
        return figures;
    }

    static WorkFolder* base;
    WorkFolder work;
};

WorkFolder* WholeChange::base = nullptr;

TEST_F(WholeChange, GolferRenameMovesTheGolferAndEveryRoundOrNothing) {
    killEverywhere(
        "rename",
        [](CKipGolfDoc& doc) {
            test::ScriptedDialogHost host;
            host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) {
                d.selectKey(golferKey(7));
                return d.ok();
            });
            host.on<manage::CPeopleDlg>([](manage::CPeopleDlg& d) {
                d.setText(manage::CPeopleDlg::LastName, "Renamed");
                return d.save();
            });
            manage::changeGolferInformation(host, doc);
        },
        5);
}

TEST_F(WholeChange, GolferDeleteTakesTheGolferWithEveryRoundOrNothing) {
    killEverywhere(
        "golfer delete",
        [](CKipGolfDoc& doc) {
            test::ScriptedDialogHost host;
            host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) {
                d.selectKey(golferKey(11));
                return d.ok();
            });
            manage::deleteGolfer(host, doc);
        },
        3);
}

TEST_F(WholeChange, DeletingSeveralRoundsOrAYearIsWhole) {
    killEverywhere("round delete", [](CKipGolfDoc& doc) {
        rounds::CDeleteScore dialog(doc, golferKey(3));
        for (int i = 0; i < 12; ++i)
            dialog.setSelected(i * 3, true);
        dialog.pressDelete();
    });
    // A year holds a fifth of the rounds: the kills are spread over its writes (every tenth).
    killEverywhere(
        "year delete", [](CKipGolfDoc& doc) { doc.deleteYearRounds(2022); }, 10);
}

TEST_F(WholeChange, AKilledImportLeavesNoneOfTheFileSoImportingAgainGivesOneCopy) {
    const std::string file = work.path() + "rounds.csv";
    {
        // The file holds a hundred rounds of two golfers of another database.
        const std::string from = work.path() + "from/";
        fs::create_directories(from);
        test::ScriptedPrompter prompter;
        CKipGolfDoc doc(from, prompter);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Created);
        for (int n = 0; n < 100; ++n)
            addRound(doc, golferKey(1000 + n % 2), n);
        doc.syncAll();
        ASSERT_EQ(exchange::exportRounds(doc.scoreTable(), file), exchange::roundsFileDone);
    }
    std::ifstream in(file);
    ASSERT_TRUE(in);
    const KillFigures figures = killEverywhere(
        "import", [&file](CKipGolfDoc& doc) { exchange::importRounds(doc.scoreTable(), file); });
    EXPECT_GT(figures.undoneSaid, 0);
}

// An append killed between writing its row and counting it leaves a whole row after the counted
// ones: a reader that counts rows by the file's size disagrees with the header and the index.
TEST_F(WholeChange, ARowBeyondTheRecordCountFailsTheCheckAndTheOpenRemovesItSayingSo) {
    const std::string dir = work.path() + "db/";
    copyFolder(base->path(), dir);
    const State before = stateOf(dir);
    ASSERT_FALSE(runChild(
        dir,
        [](CKipGolfDoc& doc) {
            doc.golferTable().record().clear();
            doc.golferTable().joinName("Extra", "Kill");
            doc.golferTable().add();
        },
        2)); // the row is written, the header's count is next
    const auto faults = faultsOf(dir);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults.front(), "Golfers: 1 whole row lies beyond the record count of the header");
    std::vector<std::string> notes;
    EXPECT_EQ(stateOf(dir, &notes), before);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes.front().find("The Golfers table held 1 row beyond its record count"), std::string::npos)
        << notes.front();
    EXPECT_TRUE(faultsOf(dir).empty());
    // Said once: the next open has nothing to say.
    notes.clear();
    stateOf(dir, &notes);
    EXPECT_TRUE(notes.empty());
}

TEST_F(WholeChange, ALogTornBeforeItsFirstTableChangesNothingAndGoesQuietly) {
    const std::string dir = work.path() + "db/";
    copyFolder(base->path(), dir);
    const State before = stateOf(dir);
    std::ofstream(dir + store::undoLogName, std::ios::binary) << "KIPUN";
    std::vector<std::string> notes;
    EXPECT_EQ(stateOf(dir, &notes), before);
    EXPECT_TRUE(notes.empty());
    std::error_code ec;
    EXPECT_EQ(fs::file_size(dir + store::undoLogName, ec) * !ec, 0u);
}

} // namespace
} // namespace kip::golfdb
