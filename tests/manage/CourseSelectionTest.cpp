// The recent courses list, "Select Course" with its search, "Select a Tee" and the list order.

#include "manage/CourseSelection.h"
#include "CourseData.h"
#include "manage/CSelectCourseDlg.h"
#include "manage/CSelectTeeDlg.h"
#include "manage/ListOrder.h"
#include "manage/RecentCourses.h"

namespace kip::manage {
namespace {

using testing::CourseData;
using testing::courseRow;

std::string key(const std::string& name, const std::string& tee = "Blue") {
    return golfdb::courseKey(name, "", "", tee);
}

TEST(ListOrder, FoldsCapitalsOnlyAndKeepsEqualLinesInArrivalOrder) {
    EXPECT_TRUE(lineBefore("alder", "Birch"));
    EXPECT_FALSE(lineBefore("Alder", "alder"));
    EXPECT_FALSE(lineBefore("alder", "Alder"));
    EXPECT_TRUE(lineBefore("Ald", "alder"));
    EXPECT_TRUE(lineBefore("_", "Z")) << "'Z' is compared as 'z' (0x7a), after '_' (0x5f)";
    EXPECT_FALSE(lineBefore("Z", "_"));
    EXPECT_TRUE(lineBefore("a\t", "a "));
    EXPECT_TRUE(lineBefore("Ab", "a\xC3\xA9")) << "bytes above ASCII stay as they are";
    golfdb::ItemList items{{"beta", 1}, {"Alpha", 2}, {"BETA", 3}, {"alpha", 4}};
    sortLines(items);
    std::vector<long> order;
    for (const auto& i : items)
        order.push_back(i.record);
    EXPECT_EQ(order, (std::vector<long>{2, 4, 1, 3}));
}

TEST(RecentCourses, LoadsUpToTheFirstGapAndPromotesWithoutRepeats) {
    CourseData data;
    data.settings.writeText(recentSection, "Name00", key("One"));
    data.settings.writeText(recentSection, "Name02", key("Three"));
    loadRecent(data.settings, data.doc());
    EXPECT_EQ(data.doc().recentCourses(), std::vector<std::string>{key("One")});

    for (const char* name : {"Two", "Three", "Four", "Five"})
        promoteRecent(data.settings, data.doc(), key(name));
    EXPECT_EQ(data.doc().recentCourses(),
              (std::vector<std::string>{key("Five"), key("Four"), key("Three"), key("Two"), key("One")}));
    promoteRecent(data.settings, data.doc(), key("Three"));
    EXPECT_EQ(data.doc().recentCourses(),
              (std::vector<std::string>{key("Three"), key("Five"), key("Four"), key("Two"), key("One")}));
    promoteRecent(data.settings, data.doc(), key("Six"));
    EXPECT_EQ(data.doc().recentCourses().size(), 5u);
    EXPECT_EQ(data.doc().recentCourses().back(), key("Two")) << "the oldest is dropped";
    const auto writes = data.settings.writes.size();
    promoteRecent(data.settings, data.doc(), key("Six"));
    EXPECT_EQ(data.settings.writes.size(), writes) << "the first entry again changes nothing";
    EXPECT_EQ(data.settings.values.at("CourseMRU/Name04"), key("Two"));

    std::string next;
    EXPECT_EQ(nextRecent(data.doc(), "", next), 0);
    EXPECT_EQ(next, key("Six"));
    EXPECT_EQ(nextRecent(data.doc(), key("Two"), next), recentNone);
    EXPECT_EQ(next, "");

    data.doc().recentCourses().resize(2);
    saveRecent(data.settings, data.doc());
    EXPECT_EQ(data.settings.values.count("CourseMRU/Name02"), 0u) << "unused names are removed";
    loadRecent(data.settings, data.doc());
    EXPECT_EQ(data.doc().recentCourses().size(), 2u);
}

class SelectCourse : public ::testing::Test {
protected:
    void SetUp() override {
        alder = data.addCourse(courseRow("Alder Run", "Lexington", "KY", "White"));
        data.addCourse(courseRow("Alder Run", "Lexington", "KY", "Blue"));
        data.addCourse(courseRow("Alder Run", "Lexington", "KY", "black"));
        alderwood = data.addCourse(courseRow("Alderwood", "", "", "Red"));
        data.addCourse(courseRow("Birch Hollow", "Ashland", "KY", "Gold"));
    }
    CourseData data;
    CourseServices services = data.services();
    long alder = 0, alderwood = 0;
};

TEST_F(SelectCourse, FindAndFindNextMatchTheBeginningAndWrapRound) {
    data.host.on<CSelectCourseDlg>([](CSelectCourseDlg& d) {
        EXPECT_EQ(d.groupLines().size(), 3u);
        EXPECT_EQ(d.groupLines()[1].text, "Alderwood") << "no place part without city and state";
        d.setFindText("al");
        EXPECT_TRUE(d.find());
        EXPECT_EQ(d.groupSelected(), 0);
        EXPECT_TRUE(d.findNext());
        EXPECT_EQ(d.groupSelected(), 1);
        EXPECT_TRUE(d.findNext());
        EXPECT_EQ(d.groupSelected(), 0);
        d.setFindText("Cedar");
        EXPECT_FALSE(d.find());
        EXPECT_EQ(d.groupSelected(), 0);
        return d.ok();
    });
    data.host.on<CSelectTeeDlg>([](CSelectTeeDlg& d) {
        std::vector<std::string> tees;
        for (const auto& line : d.lines())
            tees.push_back(line.text);
        EXPECT_EQ(tees, (std::vector<std::string>{"black", "Blue", "White"}));
        EXPECT_EQ(d.ok(), dialogStayOpen);
        return d.doubleClick(2);
    });
    EXPECT_EQ(selectCourseAndTee(services), alder);
    EXPECT_EQ(data.prompter.texts(),
              (std::vector<std::string>{"Course not found", "You must select a tee!"}));
    EXPECT_EQ(data.prompter.shown[0].caption, "Find Course");
}

TEST_F(SelectCourse, ARecentRowSkipsTheTeesAndAChangedOneIsLeftOut) {
    data.doc().recentCourses() = {golfdb::courseKey("Gone", "", "", "Blue"),
                                  golfdb::courseKey("Alderwood", "", "", "Red")};
    data.host.on<CSelectCourseDlg>([](CSelectCourseDlg& d) {
        EXPECT_EQ(d.recentLines().size(), 1u);
        EXPECT_EQ(d.recentLines()[0].text, "Alderwood (Red)");
        d.selectGroup(2);
        d.selectRecent(0);
        EXPECT_EQ(d.groupSelected(), -1) << "one list's selection clears the other's";
        return d.ok();
    });
    EXPECT_EQ(selectCourseAndTee(services), alderwood);
    EXPECT_EQ(data.host.runs, 1);

    data.host.on<CSelectCourseDlg>([](CSelectCourseDlg& d) { return d.doubleClickGroup(1); });
    data.host.on<CSelectTeeDlg>([](CSelectTeeDlg& d) {
        EXPECT_EQ(d.lines().size(), 1u) << "shown for a single tee too";
        return d.cancel();
    });
    EXPECT_EQ(selectCourseAndTee(services), std::nullopt);
}

TEST_F(SelectCourse, WithoutAnOpenDatabaseNoDialogAppears) {
    data.doc().closeDatabase();
    EXPECT_EQ(selectCourseAndTee(services), std::nullopt);
    EXPECT_EQ(selectCourseRow(services), std::nullopt);
    EXPECT_EQ(data.host.runs, 0);
    EXPECT_EQ(data.prompter.last().text, "Select Course internal document error, contact support");
    EXPECT_EQ(data.prompter.last().caption, "Document Error");
}

} // namespace
} // namespace kip::manage
