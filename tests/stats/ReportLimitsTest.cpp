#include "StatsData.h"

#include "stats/CReportSelect.h"
#include "stats/CSelectGolferRounds.h"

#include <gmock/gmock.h>

using namespace kip;
using namespace kip::stats;
using namespace kip::stats::testing;
using ::testing::ElementsAre;

namespace {

struct Limits : StatsData {
    Limits() {
        alder = addCourse("Alder Run", "Blue");
        addCourse("Alder Run", "White");
        birch = addCourse("Birch Hill", "Gold");
    }
    CReportSelect dialog(bool holeAllowed = true, bool noScoreBounds = false) {
        CReportSelect d(&doc(), prompter, {2024, 12, 9}, holeAllowed, noScoreBounds);
        EXPECT_EQ(d.open(), 0);
        return d;
    }
    std::vector<std::string> messages() const { return prompter.texts(); }
    long alder = 0, birch = 0;
};

TEST(ReportSelect, DefaultsGiveNoLimitsAtAll) {
    Limits l;
    CReportSelect d = l.dialog();
    EXPECT_TRUE(d.allCourses());
    EXPECT_FALSE(d.courseListEnabled());
    EXPECT_FALSE(d.teeCheckEnabled());
    EXPECT_FALSE(d.teeListEnabled());
    EXPECT_FALSE(d.holeEnabled());
    EXPECT_FALSE(d.datesEnabled());
    EXPECT_FALSE(d.scoreFieldEnabled());
    EXPECT_EQ(d.courses().size(), 2u);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.courseRow(), -1);
    EXPECT_FALSE(d.datesLimited());
    const AppliedLimits limits = applyLimits(d, l.doc().courseTable());
    EXPECT_FALSE(limits.courseLimited);
    EXPECT_EQ(limits.hole, 0);
    EXPECT_EQ(limits.courseText(), "");
    EXPECT_EQ(limits.dateText(), "");
    EXPECT_EQ(limits.scoreText(), "");
    EXPECT_TRUE(l.messages().empty());
}

TEST(ReportSelect, CourseAndTeeListsFollowTheChecks) {
    Limits l;
    CReportSelect d = l.dialog();
    d.setAllCourses(false);
    EXPECT_TRUE(d.courseListEnabled());
    EXPECT_TRUE(d.teeCheckEnabled());
    EXPECT_TRUE(d.holeEnabled());
    d.selectCourse(0);
    EXPECT_EQ(d.tees().size(), 2u);
    EXPECT_EQ(d.selectedTee(), -1);
    d.setTeeOnly(true);
    EXPECT_TRUE(d.teeListEnabled());
    EXPECT_EQ(d.selectedTee(), 0);
    d.selectTee(1);
    d.setTeeOnly(false);
    EXPECT_EQ(d.selectedTee(), -1);
    d.setTeeOnly(true);
    d.selectTee(1);
    ASSERT_TRUE(d.ok());
    const AppliedLimits limits = applyLimits(d, l.doc().courseTable());
    EXPECT_EQ(limits.courseText(), "Alder Run (White)");
    d.setAllCourses(true);
    EXPECT_FALSE(d.teeOnly());
    EXPECT_TRUE(d.tees().empty());
    EXPECT_EQ(d.selectedCourse(), -1);
    CReportSelect noHole = l.dialog(false);
    noHole.setAllCourses(false);
    EXPECT_FALSE(noHole.holeEnabled());
}

TEST(ReportSelect, HoleFieldIsCheckedOnlyWithACourse) {
    Limits l;
    for (const char* bad : {"0", "19", "x"}) {
        CReportSelect d = l.dialog();
        d.setAllCourses(false);
        d.selectCourse(1);
        d.setHoleText(bad);
        EXPECT_FALSE(d.ok()) << bad;
        EXPECT_EQ(d.holeNumber(), 0);
    }
    EXPECT_THAT(l.messages(), ElementsAre("You must specify a hole number between 1 and 18",
                                          "You must specify a hole number between 1 and 18",
                                          "You must specify a hole number between 1 and 18"));
    EXPECT_EQ(l.prompter.last().caption, "Selection Error");
    EXPECT_EQ(l.prompter.last().icon, platform::Icon::Error);

    CReportSelect seven = l.dialog();
    seven.setAllCourses(false);
    seven.selectCourse(1);
    seven.setHoleText("7");
    ASSERT_TRUE(seven.ok());
    const AppliedLimits limits = applyLimits(seven, l.doc().courseTable());
    EXPECT_EQ(limits.hole, 7);
    EXPECT_EQ(limits.courseText(), "Birch Hill");

    CReportSelect all = l.dialog();
    all.setHoleText("7");
    ASSERT_TRUE(all.ok());
    EXPECT_EQ(all.holeNumber(), 0);
}

TEST(ReportSelect, ACourseMustBeChosenWithoutAllCourses) {
    Limits l;
    CReportSelect d = l.dialog();
    d.setAllCourses(false);
    EXPECT_FALSE(d.ok());
    EXPECT_THAT(l.messages(), ElementsAre("You must select a course or all courses"));
}

TEST(ReportSelect, DateRangeChecks) {
    Limits l;
    CReportSelect same = l.dialog();
    same.setAllDates(false);
    EXPECT_TRUE(same.datesEnabled());
    same.setFromDate({2024, 3, 5});
    same.setToDate({2024, 3, 5});
    ASSERT_TRUE(same.ok());
    const AppliedLimits limits = applyLimits(same, l.doc().courseTable());
    EXPECT_EQ(limits.fromKey, "20240305");
    EXPECT_EQ(limits.toKey, "20240305");
    EXPECT_EQ(limits.dateText(), "From 03/05/2024 Through 03/05/2024");

    CReportSelect reversed = l.dialog();
    reversed.setAllDates(false);
    reversed.setFromDate({2024, 3, 6});
    reversed.setToDate({2024, 3, 5});
    EXPECT_FALSE(reversed.ok());
    EXPECT_THAT(l.messages(), ElementsAre("The from date must be before the to date"));

    // A picker holding no whole date (half typed) bounds nothing: it is refused, either end.
    for (const bool fromEnd : {true, false}) {
        CReportSelect halfTyped = l.dialog();
        halfTyped.setAllDates(false);
        if (fromEnd)
            halfTyped.setFromDate({0, 0, 0});
        else
            halfTyped.setToDate({0, 0, 0});
        EXPECT_FALSE(halfTyped.ok());
    }
    EXPECT_THAT(l.messages(), ElementsAre("The from date must be before the to date",
                                          "The from date must be before the to date",
                                          "The from date must be before the to date"));
}

TEST(ReportSelect, ScoreBoundsExcludeEachOtherAndAreValidated) {
    Limits l;
    CReportSelect d = l.dialog();
    EXPECT_TRUE(d.setScoreGreater(true));
    EXPECT_TRUE(d.scoreFieldEnabled());
    EXPECT_TRUE(d.setScoreLess(true));
    EXPECT_FALSE(d.scoreGreater());
    d.setScoreText("201");
    EXPECT_FALSE(d.setScoreGreater(true));
    EXPECT_TRUE(d.scoreLess());
    EXPECT_FALSE(d.ok());
    d.setScoreText("");
    EXPECT_FALSE(d.ok());
    EXPECT_THAT(l.messages(), ElementsAre("Enter an integer between 0 and 200.",
                                          "Enter an integer between 0 and 200.", "Enter an integer."));
    d.setScoreText("95");
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(applyLimits(d, l.doc().courseTable()).scoreText(), "Using Only Scores < 95");
    d.setScoreLess(false);
    EXPECT_FALSE(d.scoreFieldEnabled());
    d.setScoreText("");
    EXPECT_FALSE(d.setAllDates(false));
    EXPECT_FALSE(d.setAllCourses(false));
    EXPECT_TRUE(d.allDates());
    EXPECT_TRUE(d.allCourses());
    EXPECT_EQ(l.prompter.last().text, "Enter an integer.");
}

TEST(ReportSelect, ACourseRowThatCannotBeReadDropsCourseTeeAndHole) {
    Limits l;
    CReportSelect d = l.dialog();
    d.setAllCourses(false);
    d.selectCourse(0);
    d.setHoleText("3");
    ASSERT_TRUE(d.ok());
    l.doc().courseTable().close();
    const AppliedLimits limits = applyLimits(d, l.doc().courseTable());
    EXPECT_FALSE(limits.courseLimited);
    EXPECT_EQ(limits.hole, 0);
}

TEST(ReportSelect, WithoutADocumentTheDialogClosesAsCancel) {
    test::ScriptedPrompter prompter;
    CReportSelect d(nullptr, prompter, {2024, 1, 1}, false, false);
    EXPECT_EQ(d.open(), platform::dialogCancel);
    EXPECT_EQ(prompter.last().text, "Select Course internal document error, contact support");
    EXPECT_EQ(prompter.last().caption, "Document Error");
}

TEST(SelectGolferRounds, RoundsTextAndChoices) {
    StatsData data;
    const long a = data.addGolfer("Snead, Sam");
    const long b = data.addGolfer("Hogan, Ben");
    const long c = data.addGolfer("Daly, John");
    CSelectGolferRounds d(&data.doc(), data.prompter);
    ASSERT_EQ(d.open(), 0);
    EXPECT_FALSE(d.ok());
    EXPECT_EQ(data.prompter.last().text, "You must select at least one golfer!");
    for (const char* bad : {"0", "-3", "ten"}) {
        d.setRoundsText(bad);
        EXPECT_FALSE(d.ok()) << bad;
        EXPECT_EQ(data.prompter.last().text, "The rounds limit must be 'all' or a positive number");
        EXPECT_EQ(data.prompter.last().caption, "Rounds Limit Error");
        EXPECT_EQ(data.prompter.last().icon, platform::Icon::None);
    }
    d.setSelected(2, true);
    d.setSelected(0, true);
    d.setRoundsText("12x");
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.roundsLimit(), 12);
    EXPECT_THAT(d.golferRows(), ElementsAre(c, a));
    for (const char* all : {"ALL", "All"}) {
        d.setRoundsText(all);
        ASSERT_TRUE(d.ok());
        EXPECT_EQ(d.roundsLimit(), 0);
    }
    d.setAllGolfers(true);
    EXPECT_FALSE(d.listEnabled());
    ASSERT_TRUE(d.ok());
    EXPECT_THAT(d.golferRows(), ElementsAre(c, b, a));
}

TEST(SelectGolferRounds, OneGolferClosesAtOnce) {
    StatsData data;
    const long only = data.addGolfer("Hogan, Ben");
    CSelectGolferRounds d(&data.doc(), data.prompter);
    test::ScriptedDialogHost host;
    EXPECT_EQ(runGolferRounds(host, d), platform::dialogOk);
    EXPECT_EQ(host.runs, 0);
    EXPECT_TRUE(d.allGolfers());
    EXPECT_EQ(d.roundsLimit(), 0);
    EXPECT_THAT(d.golferRows(), ElementsAre(only));
    test::ScriptedPrompter prompter;
    CSelectGolferRounds none(nullptr, prompter);
    EXPECT_EQ(none.open(), platform::dialogCancel);
    EXPECT_EQ(prompter.last().text, "Select Golfer internal document error, contact support");
}

} // namespace
