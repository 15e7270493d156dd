#include "StatsData.h"

#include "manage/CSelectCourseTee.h"
#include "manage/CSelectPersonDlg.h"
#include "stats/CCourseStatsDlg.h"
#include "stats/ListingCommands.h"
#include "support/RecordingPrinter.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

// Par 4 everywhere: total strokes over the holes, the first `extra` holes one stroke over par.
Holes roundOf(int total, int putts = 2) {
    Holes holes = parHoles(4, 4, putts);
    for (int i = 0; i < total - 72; ++i)
        holes[static_cast<std::size_t>(i % 18)].strokes += 1;
    return holes;
}

CCourseStatsDlg statsOf(StatsData& data, const std::string& golfer = {}) {
    CCourseStatsDlg stats;
    stats.allGolfers = golfer.empty();
    stats.golferName = golfer;
    stats.courseName = "Alder Run";
    stats.teeName = "Blue";
    stats.compute(data.scores(), &data.cursor);
    return stats;
}

TEST(CourseStats, LowHighAndAverageRound) {
    StatsData data;
    data.addDetail({.day = 1}, roundOf(85));
    data.addDetail({.day = 2}, roundOf(90));
    const CCourseStatsDlg stats = statsOf(data, "Hogan, Ben");
    EXPECT_EQ(stats.rounds(), 2);
    EXPECT_EQ(stats.heading(), "Statistics for Alder Run, Blue Tees (2 Rounds)");
    ASSERT_EQ(stats.size(), 30);
    EXPECT_EQ(stats.line(23).text,
              "Low Round-  85 (06/01/2024)  High Round-  90 (06/02/2024)  Avg Round- 87.5");
    EXPECT_EQ(stats.line(0).text,
              "Hole  Par  Yards  Score  Putts  Fwys  Greens  Eagles  Birds   Pars  Bogeys");
    EXPECT_EQ(stats.line(1).text, "Front Nine");
    EXPECT_EQ(stats.line(11).text, " ");
    EXPECT_EQ(stats.line(12).text, "Back Nine");
    // Hole 1: two bogeys; hole 18: a par and a bogey.
    EXPECT_EQ(stats.line(2).text, "  1    4      0    5.0    2.0     0%     0%      0       0      0      2");
    EXPECT_EQ(stats.line(21).text,
              " 18    4      0    4.5    2.0     0%     0%      0       0      1      1");
    EXPECT_EQ(data.cursor.depth, 0);
}

TEST(CourseStats, SharedExtremesShowTheirCountInPlaceOfTheDate) {
    StatsData data;
    data.addDetail({.day = 1}, roundOf(85, 2));
    data.addDetail({.day = 2}, roundOf(85, 1));
    data.addDetail({.day = 3}, roundOf(95, 1));
    const CCourseStatsDlg stats = statsOf(data);
    EXPECT_EQ(stats.line(23).text,
              "Low Round-  85 ( 2 times)  High Round-  95 (06/03/2024)  Avg Round- 88.3");
    EXPECT_EQ(stats.line(25).text, "Fewest Putts  - 18 ( 2 times  )   Avg Round - 90.0");
    EXPECT_EQ(stats.line(26).text, "Most Putts    - 36 (06/01/2024)   Avg Round - 85.0");
    EXPECT_EQ(stats.line(28).text, "Fewest Greens -  0 ( 3 times  )   Avg Round - 88.3");
}

TEST(CourseStats, FairwaysGreensAndClassesPerHole) {
    StatsData data;
    Holes hit = parHoles();
    hit[0] = {5, 3, 1, true, true};   // eagle on a par 5
    hit[1] = {3, 1, 0, false, true};  // hole in one on a par 3: no class
    hit[2] = {4, 3, 1, false, false}; // birdie
    data.addDetail({.day = 1}, hit);
    Holes missed = parHoles();
    missed[0] = {5, 5, 2, false, false};
    missed[1] = {3, 3, 2, false, false};
    data.addDetail({.day = 2}, missed);
    const CCourseStatsDlg stats = statsOf(data);
    EXPECT_EQ(stats.line(2).text, "  1    5      0    4.0    1.5    50%    50%      1       0      1      0");
    EXPECT_EQ(stats.line(3).text, "  2    3      0    2.0    1.0     0%    50%      0       0      1      0");
    EXPECT_EQ(stats.line(4).text, "  3    4      0    3.5    1.5     0%     0%      0       1      1      0");
    EXPECT_EQ(stats.line(29).text, "Most Greens   -  2 (06/01/2024)   Avg Round - 67.0");
}

TEST(CourseStats, ParOfEachHoleIsThatOfTheLastRoundRead) {
    StatsData data;
    Holes older = parHoles();
    older[0].par = 5;
    data.addDetail({.day = 1}, older);
    data.addDetail({.day = 2}, parHoles());
    // Newest first: the older round is read last.
    EXPECT_EQ(statsOf(data, "Hogan, Ben").hole(1).par, 5);
    EXPECT_EQ(statsOf(data, "Hogan, Ben").hole(2).par, 4);
}

TEST(CourseStats, OtherTeesTotalOnlyAndInitialRoundsAreNotCounted) {
    StatsData data;
    data.addDetail({.tee = "White"}, roundOf(80));
    data.addDetail({.course = "Alder Run Two"}, roundOf(80));
    data.addTotalOnly({.day = 2}, 80);
    data.addDetail({.year = 1001, .month = 1, .day = 10}, roundOf(80));
    const CCourseStatsDlg stats = statsOf(data);
    EXPECT_EQ(stats.rounds(), 0);
}

TEST(CourseStats, NothingCountedShowsZeros) {
    StatsData data;
    const CCourseStatsDlg stats = statsOf(data);
    EXPECT_EQ(stats.line(2).text, "  1    0      0    0.0    0.0     0%     0%      0       0      0      0");
    EXPECT_EQ(stats.line(23).text, "Low Round-   0 ()  High Round-   0 ()  Avg Round- 0.0");
    EXPECT_EQ(stats.line(25).text, "Fewest Putts  -  0 ()   Avg Round - 0.0");
    EXPECT_EQ(stats.line(26).text, "Most Putts    -  0 ()   Avg Round - 0.0");
    EXPECT_EQ(stats.line(28).text, "Fewest Greens -  0 ()   Avg Round - 0.0");
    EXPECT_EQ(stats.line(29).text, "Most Greens   -  0 ()   Avg Round - 0.0");
}

TEST(CourseStats, RoundsWithoutPuttsLeaveThePuttExtremesAtZero) {
    StatsData data;
    data.addDetail({}, roundOf(80, 0));
    const CCourseStatsDlg stats = statsOf(data);
    EXPECT_EQ(stats.line(23).text,
              "Low Round-  80 (06/01/2024)  High Round-  80 (06/01/2024)  Avg Round- 80.0");
    EXPECT_EQ(stats.line(25).text, "Fewest Putts  -  0 ()   Avg Round - 0.0");
    EXPECT_EQ(stats.line(26).text, "Most Putts    -  0 ()   Avg Round - 0.0");
}

TEST(CourseStats, AllGolfersCountEveryGolfersRoundsOnTheCourse) {
    StatsData data;
    data.addDetail({.golfer = "Hogan, Ben"}, roundOf(80));
    data.addDetail({.golfer = "Snead, Sam"}, roundOf(90));
    data.addDetail({.golfer = "Armour, Tommy"}, roundOf(100));
    EXPECT_EQ(statsOf(data).rounds(), 3);
    EXPECT_EQ(statsOf(data, "Snead, Sam").rounds(), 1);
}

TEST(CourseStats, CommandPicksGolferAndCourseAndPrints) {
    StatsData data;
    data.addGolfer("Hogan, Ben");
    data.addGolfer("Snead, Sam");
    data.addCourse("Alder Run", "Blue");
    data.addCourse("Alder Run", "White");
    data.addDetail({}, roundOf(80));
    data.addDetail({.golfer = "Snead, Sam"}, roundOf(90));
    test::ScriptedDialogHost host;
    test::FixedClock clock;
    test::MemorySettingsStore settings;
    test::RecordingPrinter printer;
    host.on<manage::CSelectPersonDlg>([](manage::CSelectPersonDlg& d) {
        d.selectKey("Snead, Sam");
        return d.ok();
    });
    host.on<manage::CSelectCourseTee>([](manage::CSelectCourseTee& d) {
        for (std::size_t i = 0; i < d.lines().size(); ++i)
            if (d.lines()[i].text.find("Blue") != std::string::npos)
                d.select(static_cast<int>(i));
        return d.ok();
    });
    host.on<CCourseStatsDlg>([](CCourseStatsDlg& d) {
        EXPECT_EQ(d.secondHeading(), "Statistics for Alder Run, Blue Tees (1 Rounds)");
        EXPECT_EQ(d.title(), "Show Course Average Scores by Hole");
        d.print(report::ListButton::Print);
        return d.ok();
    });
    EXPECT_EQ(courseStatistics({data.doc(), host, clock, settings, &printer}), StatsOutcome::Shown);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.last().request.documentName, "Kip Golf Course Stats");
    EXPECT_EQ(printer.last().pageTexts(0).front(), "Statistics for Alder Run, Blue Tees (1 Rounds)");
}

} // namespace
