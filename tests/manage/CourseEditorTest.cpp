// The course form's checks and sums, and the Add, Change, View and Delete course commands.

#include "CourseData.h"
#include "manage/CCourseDlg.h"
#include "manage/CDeleteCourseDlg.h"
#include "manage/CMessageDlg.h"
#include "manage/CSelectCourseTee.h"
#include "manage/CourseCommands.h"

namespace kip::manage {
namespace {

using testing::CourseData;
using testing::courseRow;

void fill(CCourseDlg& d, const std::string& name, const std::string& tee, const std::string& slope = "120",
          const std::string& rating = "70.5") {
    d.setText(CourseText::Name, name);
    d.setText(CourseText::City, "Lexington");
    d.setText(CourseText::State, "ky");
    d.setText(CourseText::Tee, tee);
    d.setText(CourseText::Slope, slope);
    d.setText(CourseText::Rating, rating);
    for (int h = 1; h <= 18; ++h) {
        d.setHoleText(CourseRow::Par, h, h % 9 == 0 ? "5" : "4");
        d.setHoleText(CourseRow::Yardage, h, std::to_string(300 + h));
    }
}

class CourseForm : public ::testing::Test {
protected:
    test::ScriptedPrompter prompter;
    CCourseDlg dialog{prompter, CourseMode::Add, false};
};

TEST_F(CourseForm, ChecksStopAtTheFirstFailureInTheirOrder) {
    fill(dialog, "", "");
    EXPECT_EQ(dialog.pressSaveAndQuit(), dialogStayOpen);
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"You must specify a name for the course"});
    EXPECT_EQ(prompter.last().caption, "Course Error");
    EXPECT_EQ(prompter.last().icon, platform::Icon::Error);

    prompter.shown.clear();
    fill(dialog, "Alder Run", "Blue");
    dialog.setHoleText(CourseRow::Par, 7, "0");
    dialog.setHoleText(CourseRow::Yardage, 3, "0");
    EXPECT_EQ(dialog.pressSaveAndNewTee(), dialogStayOpen);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"You must enter a yardage and par for all holes"});
    EXPECT_EQ(dialog.holeText(CourseRow::Par, 7), "0") << "the typed values stay";
}

TEST_F(CourseForm, FieldEntriesOutsideWhatTheRowHoldsAreRefused) {
    const struct {
        CourseText field;
        int hole; // 0: the text field itself
        CourseRow row;
        std::string text;
        std::string message;
    } cases[] = {
        {CourseText::Name, 0, CourseRow::Par, std::string(41, 'x'), "Enter no more than 40 characters."},
        {CourseText::Slope, 0, CourseRow::Par, "201", "Enter an integer between 0 and 200."},
        {CourseText::Slope, 0, CourseRow::Par, "-5", "Enter a positive integer."},
        {CourseText::Rating, 0, CourseRow::Par, "7o", "Enter a number."},
        {CourseText::Rating, 0, CourseRow::Par, "100.1", "Enter a number between 0 and 100."},
        {CourseText::Name, 4, CourseRow::Par, "128", "Enter an integer between 0 and 127."},
        {CourseText::Name, 12, CourseRow::Yardage, "1000", "Enter an integer between 0 and 999."},
        {CourseText::Name, 18, CourseRow::Yardage, "", "Enter a positive integer."},
        {CourseText::Name, 2, CourseRow::Par, "99999999999999", "Enter an integer between 0 and 127."},
    };
    for (const auto& c : cases) {
        prompter.shown.clear();
        fill(dialog, "Alder Run", "Blue");
        if (c.hole == 0)
            dialog.setText(c.field, c.text);
        else
            dialog.setHoleText(c.row, c.hole, c.text);
        EXPECT_EQ(dialog.pressSaveAndQuit(), dialogStayOpen) << c.text;
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message}) << c.text;
    }
    fill(dialog, "Alder Run", "Blue");
    dialog.setHoleText(CourseRow::Par, 4, "127");
    dialog.setHoleText(CourseRow::Yardage, 12, "999");
    prompter.shown.clear();
    EXPECT_EQ(dialog.pressSaveAndQuit(), platform::dialogOk);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(dialog.form().state, "KY") << "state letters are upper-cased";
}

TEST_F(CourseForm, SlopeAndRatingOutsideTheUsualRangeAreQuestionedOnce) {
    fill(dialog, "Alder Run", "Blue", "155", "80.0");
    EXPECT_EQ(dialog.pressSaveAndQuit(), platform::dialogOk);
    fill(dialog, "Alder Run", "Blue", "55", "50.0");
    EXPECT_EQ(dialog.pressSaveAndQuit(), platform::dialogOk);
    EXPECT_TRUE(prompter.shown.empty());
    for (const auto& [slope, rating] : {std::pair{"54", "49.9"}, std::pair{"156", "80.1"}}) {
        prompter.shown.clear();
        fill(dialog, "Alder Run", "Blue", slope, rating);
        EXPECT_EQ(dialog.pressSaveAndQuit(), platform::dialogOk);
        ASSERT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(prompter.shown[0].caption, "Slope In Error");
        EXPECT_EQ(prompter.shown[1].caption, "Rating In Error");
        EXPECT_EQ(prompter.shown[1].buttons, platform::Buttons::YesNo);
    }
    prompter.shown.clear();
    prompter.answer(platform::Answer::No);
    fill(dialog, "Alder Run", "Blue", "156", "70.0");
    EXPECT_EQ(dialog.pressSaveAndQuit(), dialogStayOpen);
    EXPECT_EQ(prompter.shown.size(), 1u) << "No ends the checks without a further message";
}

TEST_F(CourseForm, SumsFollowTheHoleLeftAndViewModeIsReadOnly) {
    fill(dialog, "Alder Run", "Blue");
    dialog.setHoleText(CourseRow::Par, 1, "3");
    EXPECT_EQ(dialog.out(CourseRow::Par), 0) << "sums change only when a hole field is left";
    dialog.leaveHole(CourseRow::Par, 1);
    EXPECT_EQ(dialog.out(CourseRow::Par), 36);
    EXPECT_EQ(dialog.in(CourseRow::Par), 37);
    EXPECT_EQ(dialog.total(CourseRow::Par), 73);
    EXPECT_EQ(dialog.out(CourseRow::Yardage), 0) << "the other row waits for its own field";

    manage::CourseForm form;
    form.meters = true;
    form.par.fill(4);
    form.yardage.fill(350);
    CCourseDlg view(prompter, CourseMode::View, false);
    view.load(form);
    view.open();
    EXPECT_EQ(view.title(), "View Course");
    EXPECT_EQ(view.firstButton(), "OK");
    EXPECT_FALSE(view.cancelShown() || view.saveAndNewTeeShown() || view.enterTextShown());
    EXPECT_TRUE(view.readOnly());
    EXPECT_FALSE(view.metersCheckShown());
    EXPECT_TRUE(view.metersNoteShown()) << "a metres row is labelled when the check box is left out";
    EXPECT_EQ(view.total(CourseRow::Yardage), 18 * 350);
    EXPECT_EQ(view.pressSaveAndQuit(), platform::dialogOk);
    EXPECT_TRUE(prompter.shown.empty());
}

class CourseCommands : public ::testing::Test {
protected:
    CourseData data;
    CourseServices services = data.services();
};

TEST_F(CourseCommands, AddWithTwoNewTeesKeepsTheYardagesAndEndsWithTheAddedMessage) {
    int shown = 0;
    data.host.on<CCourseDlg>([&](CCourseDlg& d) {
        EXPECT_EQ(d.title(), "Add a New Course");
        EXPECT_EQ(d.text(CourseText::Tee), "");
        EXPECT_EQ(d.text(CourseText::Slope), "0");
        fill(d, "Alder Run", "Blue");
        ++shown;
        return d.pressSaveAndNewTee();
    });
    data.host.on<CCourseDlg>([&](CCourseDlg& d) {
        EXPECT_EQ(d.text(CourseText::Name), "Alder Run");
        EXPECT_EQ(d.text(CourseText::Tee), "");
        EXPECT_EQ(d.text(CourseText::Rating), "0.0");
        EXPECT_EQ(d.holeText(CourseRow::Yardage, 5), "305") << "an add keeps the yardages";
        EXPECT_EQ(d.total(CourseRow::Par), 74);
        d.setText(CourseText::Tee, "White");
        d.setText(CourseText::Slope, "118");
        d.setText(CourseText::Rating, "69.1");
        return d.pressSaveAndNewTee();
    });
    data.host.on<CCourseDlg>([&](CCourseDlg& d) {
        d.setText(CourseText::Tee, "Red");
        d.setText(CourseText::Slope, "112");
        d.setText(CourseText::Rating, "67.0");
        return d.pressSaveAndQuit();
    });
    const auto result = addCourse(services);
    EXPECT_EQ(result.rowsWritten, 3);
    EXPECT_EQ(data.host.runs, 3) << "no Course Addition Complete dialog";
    EXPECT_EQ(data.prompter.texts(), std::vector<std::string>{"Alder Run has been added"});
    EXPECT_EQ(data.rows(),
              (std::vector<std::string>{"Alder Run|Lexington|KY|Blue", "Alder Run|Lexington|KY|Red",
                                        "Alder Run|Lexington|KY|White"}));
    EXPECT_EQ(data.row("Alder Run", "Lexington", "KY", "White").slope, 118);
}

TEST_F(CourseCommands, AddingAnExistingRowShowsTheDuplicateAndReopensWithTheTypedValues) {
    data.addCourse(courseRow("Alder Run", "Lexington", "KY", "Blue"));
    data.host.on<CCourseDlg>([](CCourseDlg& d) {
        fill(d, "Alder Run", "Blue");
        d.setText(CourseText::Phone, "555-0100");
        return d.pressSaveAndQuit();
    });
    data.host.on<CCourseDlg>([](CCourseDlg& d) {
        EXPECT_EQ(d.text(CourseText::Phone), "555-0100");
        d.setText(CourseText::Tee, "Gold");
        return d.pressSaveAndQuit();
    });
    data.host.on<CMessageDlg>([](CMessageDlg& d) {
        EXPECT_EQ(d.title(), "Course Addition Complete");
        EXPECT_EQ(d.text(), "Alder Run (Gold) has been added");
        return d.ok();
    });
    const auto result = addCourse(services);
    EXPECT_TRUE(result.duplicate);
    EXPECT_EQ(data.prompter.texts(),
              std::vector<std::string>{"Course Alder Run (Blue) is already in the database"});
    EXPECT_EQ(data.prompter.last().caption, "Course Information");
    EXPECT_EQ(data.row("Alder Run", "Lexington", "KY", "Gold").phone, "555-0100");
}

TEST_F(CourseCommands, ChangeRewritesTheRowOrAddsANewCombinationOnYes) {
    auto metres = courseRow("Alder Run", "Lexington", "KY", "Blue");
    metres.flags = golfdb::flagMetres;
    const long blue = data.addCourse(metres);
    data.addCourse(courseRow("Birch Hollow", "", "", "Red"));
    const auto pick = [blue](CSelectCourseTee& s) {
        EXPECT_EQ(s.lines().size(), 2u);
        for (int i = 0; i < 2; ++i)
            if (s.lines()[static_cast<std::size_t>(i)].record == blue)
                s.select(i);
        return s.ok();
    };
    data.host.on<CSelectCourseTee>(pick);
    data.host.on<CCourseDlg>([](CCourseDlg& d) {
        EXPECT_EQ(d.title(), "Change Course Information");
        EXPECT_TRUE(d.metersNoteShown());
        EXPECT_EQ(d.total(CourseRow::Par), 72) << "the sums are shown from the start";
        d.setText(CourseText::Phone, "555-0199");
        return d.pressSaveAndQuit();
    });
    changeCourse(services);
    EXPECT_EQ(data.prompter.texts(), std::vector<std::string>{"Alder Run (Blue) has been changed"});
    const auto changed = data.row("Alder Run", "Lexington", "KY", "Blue");
    EXPECT_EQ(changed.phone, "555-0199");
    EXPECT_TRUE(changed.inMetres()) << "the flag stays without the check box";

    // Only the letter case of the tee: a new combination, asked about first.
    data.prompter.shown.clear();
    data.prompter.answer(platform::Answer::No);
    data.host.on<CSelectCourseTee>(pick);
    data.host.on<CCourseDlg>([](CCourseDlg& d) {
        d.setText(CourseText::Tee, "BLUE");
        EXPECT_EQ(d.pressSaveAndQuit(), dialogStayOpen);
        EXPECT_EQ(d.mode(), CourseMode::Change);
        return d.pressSaveAndQuit(); // Yes this time
    });
    changeCourse(services);
    EXPECT_EQ(
        data.prompter.texts(),
        (std::vector<std::string>{
            "You have changed the course and/or tees. Do you want to create a new course/tee combination?",
            "Course not changed",
            "You have changed the course and/or tees. Do you want to create a new course/tee combination?",
            "Alder Run (BLUE) has been added"}));
    EXPECT_EQ(data.rows().size(), 3u) << "the old row stays";
}

TEST_F(CourseCommands, ChangeSaveAndNewTeeClearsTheYardagesAndAsksForTheNewCombination) {
    const long blue = data.addCourse(courseRow("Alder Run", "Lexington", "KY", "Blue"));
    data.host.on<CSelectCourseTee>([](CSelectCourseTee& s) { return s.doubleClick(0); });
    data.host.on<CCourseDlg>([](CCourseDlg& d) { return d.pressSaveAndNewTee(); });
    data.host.on<CCourseDlg>([](CCourseDlg& d) {
        EXPECT_EQ(d.holeText(CourseRow::Yardage, 1), "0");
        EXPECT_EQ(d.holeText(CourseRow::Par, 1), "4");
        EXPECT_EQ(d.text(CourseText::Tee), "");
        d.setText(CourseText::Tee, "Red");
        d.setText(CourseText::Slope, "110");
        d.setText(CourseText::Rating, "68.0");
        for (int h = 1; h <= 18; ++h)
            d.setHoleText(CourseRow::Yardage, h, "310");
        return d.pressSaveAndQuit();
    });
    changeCourse(services);
    EXPECT_EQ(data.prompter.texts().back(), "Alder Run (Red) has been added");
    EXPECT_EQ(data.row("Alder Run", "Lexington", "KY", "Red").yardage[9], 310);
    EXPECT_EQ(data.doc().courseTable().goTo(blue), 0);
    EXPECT_EQ(data.doc().courseTable().record().yardage[9], 400);
}

TEST_F(CourseCommands, DeleteAsksOnlyForASelectionAndLeavesTheOthers) {
    data.addCourse(courseRow("Alder Run", "Lexington", "KY", "Blue"));
    data.addCourse(courseRow("Alder Run", "Lexington", "KY", "Red"));
    data.addCourse(courseRow("Birch Hollow", "Ashland", "", "White"));
    data.host.on<CDeleteCourseDlg>([](CDeleteCourseDlg& d) { return d.pressDelete(); });
    EXPECT_EQ(deleteCourses(services), 0);
    EXPECT_EQ(data.prompter.texts(), std::vector<std::string>{"No courses deleted"});

    data.prompter.shown.clear();
    data.host.on<CDeleteCourseDlg>([](CDeleteCourseDlg& d) {
        EXPECT_EQ(d.lines()[2].text, "Birch Hollow (White)\t  Ashland");
        d.setSelected({0, 2});
        return d.pressDelete();
    });
    EXPECT_EQ(deleteCourses(services), 2);
    EXPECT_EQ(data.prompter.texts(),
              (std::vector<std::string>{"Are you sure you want to delete these 2 courses/tees?",
                                        "Selected course(s)/tee(s) deleted"}));
    EXPECT_EQ(data.prompter.last().caption, "Delete Courses");
    EXPECT_EQ(data.rows(), std::vector<std::string>{"Alder Run|Lexington|KY|Red"});

    data.prompter.shown.clear();
    data.prompter.answer(platform::Answer::No);
    data.host.on<CDeleteCourseDlg>([](CDeleteCourseDlg& d) {
        d.setSelected({0});
        return d.pressDelete();
    });
    deleteCourses(services);
    EXPECT_EQ(data.prompter.texts(),
              (std::vector<std::string>{"Are you sure you want to delete the selected course/tee?",
                                        "No courses deleted"}));
    EXPECT_EQ(data.rows().size(), 1u);
}

TEST_F(CourseCommands, ARowThatCannotBeReadEndsChangeWithTheDatabaseError) {
    data.addCourse(courseRow("Alder Run", "Lexington", "KY", "Blue"));
    data.host.on<CSelectCourseTee>([&](CSelectCourseTee& s) {
        EXPECT_EQ(s.ok(), dialogStayOpen);
        EXPECT_EQ(data.prompter.last().text, "You must select a course!");
        s.select(0);
        data.doc().courseTable().close();
        return s.ok();
    });
    changeCourse(services);
    EXPECT_EQ(data.prompter.last().text, "Error reading course information from database!");
    EXPECT_EQ(data.prompter.last().caption, "Database Error");
    EXPECT_EQ(data.host.runs, 1);
}

} // namespace
} // namespace kip::manage
