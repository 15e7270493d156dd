#include "ListingTestData.h"

#include "manage/CSelectPersonDlg.h"
#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "stats/CFewestPuttsDlg.h"
#include "stats/CLowestScoresDlg.h"
#include "stats/ListingCommands.h"
#include "support/RecordingPrinter.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

template <class Dialog> Dialog ranked(StatsData& data, const std::string* golfer) {
    Dialog dialog;
    dialog.rank(data.scores(), golfer, &data.cursor);
    dialog.buildLines(data.scores());
    return dialog;
}

const std::string hogan = "Hogan, Ben";

TEST(RoundRanking, TieCountFollowsTheTwentiethPlace) {
    RoundRanking r;
    long row = 1;
    for (int v = 1; v <= 18; ++v)
        r.offer(RankKind::LowestScores, v, row++);
    r.offer(RankKind::LowestScores, 50, row++);
    r.offer(RankKind::LowestScores, 50, row++); // fills the 20th place
    EXPECT_EQ(r.tieCount(), 1);
    r.offer(RankKind::LowestScores, 50, row++); // kept out, same value
    EXPECT_EQ(r.tieCount(), 2);
    r.offer(RankKind::LowestScores, 3, row++); // pushes a 50 out, the 20th is still 50
    EXPECT_EQ(r.tieCount(), 3);
    r.offer(RankKind::LowestScores, 60, row++); // kept out, other value
    EXPECT_EQ(r.tieCount(), 3);
    r.offer(RankKind::LowestScores, 4, row++); // the 20th becomes 18
    EXPECT_EQ(r.value(19), 18);
    EXPECT_EQ(r.tieCount(), 1);
    r.offer(RankKind::LowestScores, 20, row++); // inserted at the 20th place itself
    EXPECT_EQ(r.value(19), 18);
    r.offer(RankKind::LowestScores, 17, row++);
    EXPECT_EQ(r.value(19), 17);
    EXPECT_EQ(r.tieCount(), 1);
}

TEST(RoundRanking, ValuesThatCannotBeRankedChangeNothing) {
    RoundRanking r;
    r.offer(RankKind::LowestScores, 999, 1);
    r.offer(RankKind::FewestPutts, 0, 2);
    r.offer(RankKind::FewestPutts, -3, 3);
    EXPECT_EQ(r.row(0), RoundRanking::emptyRow);
    EXPECT_EQ(r.value(0), RoundRanking::emptyValue);
    r.offer(RankKind::LowestScores, 998, 4);
    EXPECT_EQ(r.row(0), 4);
}

TEST(LowestScores, FiveRoundsAscendingWithEqualScoresInReadingOrder) {
    StatsData data;
    const long older = addListed(data, {.day = 1, .total = 80});
    addListed(data, {.day = 2, .total = 75});
    const long newer = addListed(data, {.day = 3, .total = 80});
    addListed(data, {.day = 4, .total = 90});
    addListed(data, {.day = 5, .total = 70});
    addListed(data, {.year = 1001, .month = 1, .day = 5, .total = 60, .totalOnly = true}); // initial handicap
    const CLowestScoresDlg dialog = ranked<CLowestScoresDlg>(data, &hogan);
    EXPECT_THAT(dialog.texts(), ElementsAre("Score Date        Golfer\tCourse",
                                            " 70   06/05/2024  Hogan, Ben\tAlder Run (Blue)",
                                            " 75   06/02/2024  Hogan, Ben\tAlder Run (Blue)",
                                            " 80   06/03/2024  Hogan, Ben\tAlder Run (Blue)",
                                            " 80   06/01/2024  Hogan, Ben\tAlder Run (Blue)",
                                            " 90   06/04/2024  Hogan, Ben\tAlder Run (Blue)"));
    EXPECT_EQ(dialog.line(3).record, newer);
    EXPECT_EQ(dialog.line(4).record, older);
    EXPECT_EQ(dialog.line(0).record, report::noRecord);
    EXPECT_THAT(dialog.tabStops(), ElementsAre(180, 230));
    EXPECT_EQ(data.cursor.depth, 0);
}

TEST(LowestScores, TwentyDifferentScoresHaveNoTieLine) {
    StatsData data;
    for (int i = 0; i < 20; ++i)
        addListed(data, {.day = i + 1, .total = 70 + i, .totalOnly = true});
    const CLowestScoresDlg dialog = ranked<CLowestScoresDlg>(data, &hogan);
    ASSERT_EQ(dialog.size(), 21);
    EXPECT_EQ(dialog.line(20).text, " 89   06/20/2024  Hogan, Ben\tAlder Run (Blue)");
}

TEST(LowestScores, TheTwentiethLineCountsTheRoundsThatTieWithIt) {
    StatsData data;
    for (int i = 0; i < 19; ++i)
        addListed(data, {.day = i + 1, .total = 70 + i, .totalOnly = true});
    addListed(data, {.month = 7, .day = 1, .total = 95, .totalOnly = true});
    addListed(data, {.month = 7, .day = 2, .total = 95, .totalOnly = true});
    {
        const CLowestScoresDlg dialog = ranked<CLowestScoresDlg>(data, &hogan);
        ASSERT_EQ(dialog.size(), 21);
        EXPECT_EQ(dialog.line(20).text, " 95               2 more rounds with this score");
        EXPECT_EQ(dialog.ranking().tieCount(), 2);
    }
    addListed(data, {.month = 7, .day = 3, .total = 95, .totalOnly = true});
    const CLowestScoresDlg dialog = ranked<CLowestScoresDlg>(data, &hogan);
    EXPECT_EQ(dialog.line(20).text, " 95               3 more rounds with this score");
    // The tie line still opens the round of the 20th place: the newest of the three.
    EXPECT_EQ(dialog.line(20).record, dialog.ranking().row(19));
}

TEST(FewestPutts, RoundsWithoutPuttsAreLeftOut) {
    StatsData data;
    addListed(data, {.total = 80, .totalOnly = true});
    addListed(data, {.day = 2, .total = 85, .totalOnly = true});
    CFewestPuttsDlg dialog = ranked<CFewestPuttsDlg>(data, &hogan);
    EXPECT_THAT(dialog.texts(), ElementsAre("Putts Score Date        Golfer\tCourse"));

    addListed(data, {.day = 3, .total = 81, .putts = 30});
    dialog = ranked<CFewestPuttsDlg>(data, &hogan);
    EXPECT_THAT(dialog.texts(), ElementsAre("Putts Score Date        Golfer\tCourse",
                                            " 30     81  06/03/2024  Hogan, Ben\tAlder Run (Blue)"));
}

TEST(LowestScores, AllGolfersReadLaterNamesFirst) {
    StatsData data;
    addListed(data, {.golfer = "Armour, Tommy", .total = 75, .totalOnly = true});
    addListed(data, {.golfer = "Vardon, Harry", .total = 75, .totalOnly = true});
    addListed(data, {.golfer = "Hogan, Ben", .total = 74, .totalOnly = true});
    const CLowestScoresDlg dialog = ranked<CLowestScoresDlg>(data, nullptr);
    EXPECT_THAT(dialog.texts(), ElementsAre("Score Date        Golfer\tCourse",
                                            " 74   06/01/2024  Hogan, Ben\tAlder Run (Blue)",
                                            " 75   06/01/2024  Vardon, Harry\tAlder Run (Blue)",
                                            " 75   06/01/2024  Armour, Tommy\tAlder Run (Blue)"));
}

struct Commands : ::testing::Test {
    StatsData data;
    test::ScriptedDialogHost host;
    test::FixedClock clock;
    test::MemorySettingsStore settings;
    test::RecordingPrinter printer;
    ListingServices services{data.doc(), host, clock, settings, &printer};

    void pickGolfer(const std::string& key) {
        host.on<manage::CSelectPersonDlg>([key](manage::CSelectPersonDlg& d) {
            if (key.empty())
                d.setUseAll(true);
            else
                d.selectKey(key);
            return d.ok();
        });
    }
};

TEST_F(Commands, LowestRoundsOpensListedRoundsAndPrints) {
    data.addGolfer("Hogan, Ben");
    data.addGolfer("Snead, Sam");
    addListed(data, {.total = 80, .totalOnly = true});
    addListed(data, {.day = 2, .total = 78});
    pickGolfer("Hogan, Ben");
    std::vector<std::string> shown;
    host.on<CLowestScoresDlg>([&](CLowestScoresDlg& d) {
        EXPECT_EQ(d.title(), "Show the Lowest Scores");
        EXPECT_EQ(d.firstHeading(), "");
        EXPECT_EQ(d.heading(), "Lowest 20 Scores for Ben Hogan");
        d.doubleClick(1); // the 78, hole by hole
        d.select(2);      // the 80, a total only
        EXPECT_EQ(d.ok(), report::dialogStaysOpen);
        EXPECT_EQ(d.selectedIndex(), -1);
        d.print(report::ListButton::Print);
        d.select(0);
        return d.ok();
    });
    host.on<rounds::CScoresDlg>([&](rounds::CScoresDlg& d) {
        shown.push_back(d.title());
        return d.cancel();
    });
    host.on<rounds::CTotalScoreDlg>([&](rounds::CTotalScoreDlg& d) {
        shown.push_back(d.title());
        return platform::dialogOk;
    });
    EXPECT_EQ(lowestRounds(services), StatsOutcome::Shown);
    EXPECT_THAT(shown, ElementsAre("View Round for Ben Hogan", "View Round for Ben Hogan"));
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.last().request.documentName, "Kip Golf Lowest Scores");
    EXPECT_THAT(printer.last().pageTexts(0),
                ElementsAre("Lowest 20 Scores for Ben Hogan", "Score Date        Golfer\tCourse",
                            " 78   06/02/2024  Hogan, Ben\tAlder Run (Blue)",
                            " 80   06/01/2024  Hogan, Ben\tAlder Run (Blue)"));
}

TEST_F(Commands, AListedRoundThatIsGoneIsReported) {
    data.addGolfer("Hogan, Ben");
    data.addGolfer("Snead, Sam");
    addListed(data, {.total = 80, .totalOnly = true});
    pickGolfer("");
    host.on<CFewestPuttsDlg>([&](CFewestPuttsDlg& d) {
        EXPECT_EQ(d.heading(), "20 Rounds with Fewest Putts for All Golfers");
        return d.ok();
    });
    EXPECT_EQ(fewestPutts(services), StatsOutcome::Shown);

    pickGolfer("");
    host.on<CLowestScoresDlg>([&](CLowestScoresDlg& d) {
        EXPECT_EQ(d.heading(), "Lowest 20 Scores for All Golfers");
        EXPECT_EQ(data.scores().goTo(d.line(1).record), 0);
        EXPECT_EQ(data.scores().remove(), 0);
        d.doubleClick(1);
        return d.cancel();
    });
    EXPECT_EQ(lowestRounds(services), StatsOutcome::Shown);
    ASSERT_FALSE(data.prompter.shown.empty());
    EXPECT_EQ(data.prompter.last().text, "Error reading round information from database!");
    EXPECT_EQ(data.prompter.last().caption, "Database Error");
}

TEST_F(Commands, CancelledGolferSelectionShowsNothing) {
    data.addGolfer("Hogan, Ben");
    data.addGolfer("Snead, Sam");
    host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) { return d.cancel(); });
    EXPECT_EQ(lowestRounds(services), StatsOutcome::Cancelled);
    EXPECT_EQ(host.runs, 1);
}

} // namespace
