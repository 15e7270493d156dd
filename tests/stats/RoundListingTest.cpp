#include "ListingTestData.h"

#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "stats/CListRounds.h"
#include "stats/CListTeamDlg.h"
#include "stats/CReportSelect.h"
#include "stats/CSelectGolferRounds.h"
#include "stats/ListedRound.h"
#include "stats/ListingCommands.h"
#include "stats/QueuedRoundPoster.h"
#include "support/RecordingPrinter.h"

#include <gmock/gmock.h>

#include <condition_variable>
#include <mutex>
#include <optional>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

struct RoundListing : ::testing::Test {
    StatsData data;

    // The listing of the golfers' rows as the dialog shows it once the worker is done.
    std::vector<std::string> list(RoundListParams params) {
        CListRounds dialog(data.doc().dataDir(), std::move(params), {}, nullptr, &data.cursor);
        QueuedRoundPoster poster;
        dialog.open(poster);
        EXPECT_EQ(data.cursor.depth, 1);
        poster.pumpUntilDone(dialog);
        EXPECT_EQ(data.cursor.depth, 0);
        EXPECT_TRUE(dialog.printEnabled());
        dialog.closeListing();
        return dialog.texts();
    }
};

TEST_F(RoundListing, GolfersInTurnEachNewestFirstAfterABlankLine) {
    const long hogan = data.addGolfer("Hogan, Ben");
    const long snead = data.addGolfer("Snead, Sam");
    addListed(data, {.day = 1, .total = 80, .courseHandicap = 12});
    addListed(data, {.day = 3, .total = 90, .totalOnly = true, .courseHandicap = 12});
    addListed(data, {.golfer = "Snead, Sam", .day = 2, .total = 75, .course = "Birch"});
    addListed(data, {.year = 1001, .month = 1, .day = 10, .totalOnly = true}); // initial handicap
    EXPECT_THAT(list({.golferRows = {snead, hogan}}),
                ElementsAre("Score(Net)   Date        Golfer                Course", " ",
                            " 75  ( 75) 06/02/2024  Snead, Sam            Birch (Blue)", " ",
                            " 90  ( 78) 06/03/2024  Hogan, Ben            Alder Run (Blue)",
                            " 80  ( 68) 06/01/2024  Hogan, Ben            Alder Run (Blue)"));
}

TEST_F(RoundListing, RoundsLimitCountsEachGolfer) {
    const long hogan = data.addGolfer("Hogan, Ben");
    const long armour = data.addGolfer("Armour, Tommy");
    // Armour's rows are the last of the score index: Hogan's walk ends at the end of the table.
    for (int day = 1; day <= 5; ++day) {
        addListed(data, {.day = day, .total = 70 + day, .totalOnly = true});
        addListed(data, {.golfer = "Armour, Tommy", .day = day, .total = 80 + day, .totalOnly = true});
    }
    const auto lines = list({.golferRows = {armour, hogan}, .roundsLimit = 2});
    EXPECT_THAT(lines,
                ElementsAre(::testing::_, " ", ::testing::StartsWith(" 85"), ::testing::StartsWith(" 84"),
                            " ", ::testing::StartsWith(" 75"), ::testing::StartsWith(" 74")));
    EXPECT_EQ(list({.golferRows = {hogan, armour}, .roundsLimit = 2}).size(), 7u);
}

TEST_F(RoundListing, FiltersOfCourseTeeAndBothEndsOfTheDates) {
    const long hogan = data.addGolfer("Hogan, Ben");
    addListed(data, {.month = 5, .day = 31, .total = 71, .totalOnly = true});
    addListed(data, {.month = 6, .day = 1, .total = 72, .totalOnly = true});
    addListed(data, {.month = 6, .day = 30, .total = 73, .totalOnly = true});
    addListed(data, {.month = 7, .day = 1, .total = 74, .totalOnly = true});
    addListed(data, {.month = 6, .day = 10, .total = 75, .totalOnly = true, .tee = "White"});
    addListed(data, {.month = 6, .day = 11, .total = 76, .totalOnly = true, .course = "Birch"});
    EXPECT_THAT(list({.golferRows = {hogan},
                      .courseName = "Alder Run",
                      .teeName = "Blue",
                      .fromKey = "20240601",
                      .toKey = "20240630"}),
                ElementsAre(::testing::_, " ", ::testing::StartsWith(" 73"), ::testing::StartsWith(" 72")));
    EXPECT_EQ(list({.golferRows = {hogan}, .courseName = "Alder Run"}).size(), 7u);
}

TEST_F(RoundListing, PointsModeListsOnlyHoleByHoleRoundsWithPoints) {
    const long hogan = data.addGolfer("Hogan, Ben");
    addListed(data, {.day = 1, .total = 80});
    addListed(data, {.day = 2, .total = 81, .totalOnly = true, .points = 5});
    EXPECT_THAT(list({.golferRows = {hogan}, .pointsMode = true}),
                ElementsAre("Score(Net) (Pts)   Date        Golfer                Course"));
    addListed(data, {.day = 3, .total = 82, .courseHandicap = 10, .points = 17});
    EXPECT_THAT(list({.golferRows = {hogan}, .pointsMode = true}),
                ElementsAre(::testing::_, " ",
                            " 82  ( 72) ( 17) 06/03/2024  Hogan, Ben            Alder Run (Blue)"));
}

TEST_F(RoundListing, MissingGolferRowsAreSkippedAndNothingListedShowsTheHeader) {
    const long hogan = data.addGolfer("Hogan, Ben");
    EXPECT_THAT(list({.golferRows = {hogan, 99}}), ElementsAre(::testing::_));
}

// Hands each batch over and waits until the dialog's thread has taken it, so the worker stands
// still in the middle of its walk while the dialog works with the document's tables.
class LockstepPoster : public RoundLinePoster {
public:
    void postLines(std::vector<RoundLine> lines) override {
        std::unique_lock lock(mutex_);
        pending_ = std::move(lines);
        full_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !full_; });
    }
    void postDone() override {
        std::lock_guard lock(mutex_);
        done_ = true;
        changed_.notify_all();
    }
    // The next batch, or nothing once done.
    std::optional<std::vector<RoundLine>> next() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return full_ || done_; });
        if (!full_)
            return std::nullopt;
        return std::move(pending_);
    }
    void taken() {
        std::lock_guard lock(mutex_);
        full_ = false;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<RoundLine> pending_;
    bool full_ = false;
    bool done_ = false;
};

TEST_F(RoundListing, ViewingARoundWhileTheWorkerRunsKeepsItsPlace) {
    std::vector<long> rows;
    for (int g = 0; g < 8; ++g) {
        const std::string name = "Golfer" + std::to_string(g) + ", Test";
        rows.push_back(data.addGolfer(name));
        for (int day = 1; day <= 28; ++day)
            addListed(data, {.golfer = name, .day = day, .total = 70 + day, .totalOnly = true});
    }
    test::ScriptedDialogHost host;
    int viewed = 0;
    for (int i = 0; i < 100; ++i)
        host.on<rounds::CTotalScoreDlg>([&](rounds::CTotalScoreDlg&) {
            ++viewed;
            return platform::dialogOk;
        });
    CListRounds dialog(data.doc().dataDir(), {.golferRows = rows, .batchLines = 10}, {}, nullptr, nullptr);
    const RoundViewing viewing{data.scores(), host, data.prompter, {2026, 1, 1}};
    dialog.setViewer([&](long record) { viewListedRound(viewing, record); });
    LockstepPoster poster;
    dialog.open(poster);
    while (auto lines = poster.next()) {
        dialog.receiveLines(std::move(*lines));
        dialog.doubleClick(dialog.size() - 1); // moves the document's score table
        poster.taken();
    }
    dialog.receiveDone();
    dialog.closeListing();
    EXPECT_EQ(dialog.size(), 1 + 8 * 29);
    EXPECT_GT(viewed, 10);
    // Every golfer's rounds newest first: nothing lost or repeated.
    for (int g = 0; g < 8; ++g)
        for (int day = 28; day >= 1; --day)
            EXPECT_THAT(dialog.line(2 + g * 29 + 28 - day).text,
                        ::testing::StartsWith(" " + std::to_string(70 + day)));
}

TEST_F(RoundListing, ClosingWhileTheWorkerRunsStopsIt) {
    std::vector<long> rows;
    for (int g = 0; g < 4; ++g) {
        const std::string name = "Golfer" + std::to_string(g) + ", Test";
        rows.push_back(data.addGolfer(name));
        for (int day = 1; day <= 20; ++day)
            addListed(data, {.golfer = name, .day = day, .totalOnly = true});
    }
    for (int attempt = 0; attempt < 5; ++attempt) {
        QueuedRoundPoster poster;
        CListRounds dialog(data.doc().dataDir(), {.golferRows = rows}, {}, nullptr, &data.cursor);
        dialog.open(poster);
        EXPECT_EQ(dialog.pressCancel(), platform::dialogCancel);
        EXPECT_FALSE(dialog.workerRunning());
        EXPECT_EQ(data.cursor.depth, 0);
        // The worker always ends with its done message, also after a stop.
        EXPECT_TRUE(poster.pump(dialog) || dialog.done());
    }
}

TEST_F(RoundListing, ViewAllRoundsCommandSelectionsAndPrint) {
    data.addGolfer("Hogan, Ben");
    data.addGolfer("Snead, Sam");
    data.addCourse("Alder Run", "Blue");
    addListed(data, {.day = 2, .total = 80, .totalOnly = true});
    addListed(data, {.golfer = "Snead, Sam", .total = 90});
    test::ScriptedDialogHost host;
    test::FixedClock clock;
    test::MemorySettingsStore settings;
    test::RecordingPrinter printer;
    host.on<CSelectGolferRounds>([](CSelectGolferRounds& d) {
        d.setAllGolfers(true);
        return d.pressOk();
    });
    host.on<CReportSelect>([](CReportSelect& d) {
        EXPECT_FALSE(d.holeEnabled());
        EXPECT_FALSE(d.scoreChecksEnabled());
        return d.pressOk();
    });
    host.on<CListRounds>([](CListRounds& d) {
        EXPECT_EQ(d.title(), "Golfer Rounds");
        EXPECT_EQ(d.firstHeading(), "Rounds for the Selected Golfers");
        QueuedRoundPoster poster;
        d.open(poster);
        EXPECT_FALSE(d.printEnabled());
        poster.pumpUntilDone(d);
        d.selectLine(1); // the blank line
        EXPECT_EQ(d.selectedIndex(), -1);
        d.print(report::ListButton::Print);
        d.closeListing();
        return d.pressOk();
    });
    EXPECT_EQ(viewAllRounds({data.doc(), host, clock, settings, &printer}), StatsOutcome::Shown);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.last().request.documentName, "Kip Golf All Scores");
    EXPECT_THAT(printer.last().pageTexts(0),
                ElementsAre("List All Rounds for Selected Golfers",
                            "Score(Net)   Date        Golfer                Course", " ",
                            " 80  ( 80) 06/02/2024  Hogan, Ben            Alder Run (Blue)", " ",
                            " 90  ( 90) 06/01/2024  Snead, Sam            Alder Run (Blue)"));
}

TEST(TeamListing, GolfersGroupByTeamWithNoTeamFirst) {
    StatsData data;
    auto addTeam = [&](const std::string& name, int team, double index) {
        auto& golfers = data.doc().golferTable();
        golfers.record().clear();
        golfers.record().name = name;
        golfers.record().team = team;
        golfers.record().handicapIndex = index;
        ASSERT_EQ(golfers.add(), 0);
    };
    addTeam("Snead, Sam", 2, 3.5);
    addTeam("Hogan, Ben", 1, 12.0);
    addTeam("Armour, Tommy", 0, 8.1);
    addTeam("Vardon, Harry", 1, 4.2);
    test::RecordingPrinter printer;
    CListTeamDlg dialog(&printer);
    dialog.fill(data.doc());
    EXPECT_EQ(dialog.secondHeading(), "Team  Handicap    Golfer");
    EXPECT_FALSE(dialog.selectable());
    EXPECT_THAT(dialog.texts(),
                ElementsAre("   0     8.1      Tommy Armour", "   1     4.2      Harry Vardon",
                            "   1    12.0      Ben Hogan", "   2     3.5      Sam Snead"));
    dialog.print(report::ListButton::Print);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.last().request.documentName, "Kip Golf Team List");
}

} // namespace
