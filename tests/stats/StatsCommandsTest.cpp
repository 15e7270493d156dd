#include "StatsData.h"

#include "manage/CSelectPersonDlg.h"
#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"
#include "stats/CFairways.h"
#include "stats/CHoleStats.h"
#include "stats/CReportSelect.h"
#include "stats/StatsCommands.h"
#include "support/RecordingPrinter.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

struct Commands : StatsData {
    test::ScriptedDialogHost host;
    test::FixedClock clock{{2024, 12, 9}};
    test::RecordingPrinter printer;
    StatsServices services() { return {doc(), host, clock, &printer}; }

    void pickGolfer(const std::string& key) {
        host.on<manage::CSelectPersonDlg>([key](manage::CSelectPersonDlg& d) {
            EXPECT_FALSE(d.useAllEnabled());
            EXPECT_TRUE(d.selectKey(key));
            return d.ok();
        });
    }
};

TEST(StatsCommands, BasicRunsGolferThenLimitsThenShowsAndPrints) {
    Commands c;
    c.addGolfer("Hogan, Ben");
    c.addGolfer("Snead, Sam");
    const long course = c.addCourse("Alder Run", "Blue");
    c.addCourse("Alder Run", "White");
    c.addDetail({.tee = "White"}, parHoles());
    c.addTotalOnly({.day = 2, .tee = "Blue"}, 90);
    c.pickGolfer("Hogan, Ben");
    c.host.on<CReportSelect>([](CReportSelect& d) {
        EXPECT_FALSE(d.holeAllowed());
        EXPECT_TRUE(d.scoreChecksEnabled());
        d.setAllCourses(false);
        d.selectCourse(0);
        d.setTeeOnly(true);
        d.selectTee(1);
        return d.pressOk();
    });
    c.host.on<CBasicStats>([&](CBasicStats& d) {
        EXPECT_EQ(d.title(), "Basic Statistics for Ben Hogan");
        EXPECT_EQ(d.courseText(), "Alder Run (White)");
        EXPECT_EQ(d.texts().totalRounds, "1");
        EXPECT_TRUE(d.print());
        return d.ok();
    });
    EXPECT_EQ(basicStats(c.services()), StatsOutcome::Shown);
    EXPECT_EQ(c.host.runs, 3);
    EXPECT_EQ(c.cursor.depth, 0);
    ASSERT_EQ(c.printer.documents.size(), 1u);
    const auto& printed = c.printer.last();
    EXPECT_EQ(printed.request.documentName, "Kip Golf Basic Stats");
    EXPECT_TRUE(printed.request.font.printerDefault);
    EXPECT_EQ(printed.pageTexts(0).front(), "Basic Statistics for Ben Hogan");
    EXPECT_EQ(printed.pageTexts(0)[1], "Alder Run (White)");
    (void)course;
}

TEST(StatsCommands, CancelAtEitherSelectionShowsNothing) {
    Commands c;
    c.addGolfer("Hogan, Ben");
    c.addGolfer("Snead, Sam");
    c.host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) { return d.cancel(); });
    EXPECT_EQ(holeTypeStats(c.services()), StatsOutcome::Cancelled);
    c.pickGolfer("Snead, Sam");
    c.host.on<CReportSelect>([](CReportSelect& d) {
        EXPECT_TRUE(d.holeAllowed());
        return d.cancel();
    });
    EXPECT_EQ(fairwaysAndGreens(c.services()), StatsOutcome::Cancelled);
    EXPECT_TRUE(c.prompter.shown.empty());
}

TEST(StatsCommands, HoleTypeWithAChosenHoleAndADateRange) {
    Commands c;
    c.addGolfer("Hogan, Ben");
    c.addCourse("Alder Run", "Blue");
    Holes holes = parHoles();
    holes[6].strokes = 6;
    c.addDetail({.year = 2024, .month = 3, .day = 1}, holes);
    c.addDetail({.year = 2023, .month = 3, .day = 1}, parHoles());
    c.host.on<CReportSelect>([](CReportSelect& d) {
        d.setAllCourses(false);
        d.selectCourse(0);
        d.setHoleText("7");
        d.setAllDates(false);
        d.setFromDate({2024, 1, 1});
        return d.pressOk();
    });
    c.host.on<CHoleStats>([](CHoleStats& d) {
        EXPECT_EQ(d.firstHeading(), "Alder Run for Hole Number 7");
        EXPECT_EQ(d.dateText(), "From 01/01/2024 Through 12/09/2024");
        EXPECT_EQ(d.averageScore(), " 6.0");
        EXPECT_EQ(d.frontNine(), "+ 2.0");
        EXPECT_TRUE(d.print());
        return d.ok();
    });
    EXPECT_EQ(holeTypeStats(c.services()), StatsOutcome::Shown); // one golfer: picked without a dialog
    EXPECT_EQ(c.printer.last().request.documentName, "Kip Golf Hole Stats");
}

TEST(StatsCommands, FairwaysTitleNamesTheCourse) {
    Commands c;
    c.addGolfer("Hogan, Ben");
    c.addCourse("Alder Run", "Blue");
    c.addDetail({}, parHoles());
    c.host.on<CReportSelect>([](CReportSelect& d) {
        d.setAllCourses(false);
        d.selectCourse(0);
        return d.pressOk();
    });
    c.host.on<CFairways>([](CFairways& d) {
        EXPECT_EQ(d.title(), "Stats for Ben Hogan on Alder Run");
        EXPECT_EQ(d.greenTexts()[0], "18");
        return d.ok();
    });
    EXPECT_EQ(fairwaysAndGreens(c.services()), StatsOutcome::Shown);
}

TEST(StatsCommands, UnreadableGolferRowEndsWithTheMessage) {
    Commands c;
    c.addGolfer("Hogan, Ben");
    c.addGolfer("Snead, Sam");
    c.host.on<manage::CSelectPersonDlg>([&c](manage::CSelectPersonDlg& d) {
        d.select(1);
        const int result = d.ok();
        c.doc().golferTable().close();
        return result;
    });
    EXPECT_EQ(basicStats(c.services()), StatsOutcome::Failed);
    ASSERT_EQ(c.prompter.shown.size(), 1u);
    EXPECT_EQ(c.prompter.last().text, "Error reading golfer information from database!");
    EXPECT_EQ(c.prompter.last().caption, "Database Error");
    EXPECT_EQ(c.prompter.last().icon, platform::Icon::Error);
}

TEST(StatsCommands, AllGolfersOffersNoScoreBoundsAndPrintsBlocksWhole) {
    Commands c;
    for (int g = 0; g < 30; ++g)
        c.addGolfer("Golfer" + std::to_string(10 + g) + ", Test");
    c.host.on<CReportSelect>([](CReportSelect& d) {
        EXPECT_FALSE(d.scoreChecksEnabled());
        EXPECT_FALSE(d.setScoreGreater(true));
        return d.pressOk();
    });
    c.host.on<CBasicAllStats>([](CBasicAllStats& d) {
        EXPECT_EQ(d.title(), "Basic Stats, All Golfers");
        EXPECT_EQ(d.size(), 91);
        d.print(report::ListButton::Print);
        return d.ok();
    });
    EXPECT_EQ(basicStatsAllGolfers(c.services()), StatsOutcome::Shown);
    ASSERT_EQ(c.printer.documents.size(), 1u);
    const auto& printed = c.printer.last();
    EXPECT_EQ(printed.request.documentName, "Kip Golf Basic All Stats");
    ASSERT_GT(printed.pages, 1);
    for (int page = 1; page < printed.pages; ++page) {
        const auto texts = printed.pageTexts(page);
        EXPECT_EQ(texts.front(), CBasicAllStats::columnHeader());
        EXPECT_EQ(texts.size() % 3, 1u) << "page " << page;
    }
}

} // namespace
