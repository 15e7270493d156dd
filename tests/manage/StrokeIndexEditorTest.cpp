// The course editor's Stroke Index row, and stroke indexes kept through Change and Copy From Master.

#include "CourseData.h"
#include "manage/CCourseDlg.h"
#include "manage/CMergeMaster.h"
#include "manage/CSelectCourseTee.h"
#include "manage/CourseCommands.h"
#include "manage/QueuedMasterPoster.h"

namespace kip::manage {
namespace {

using testing::CourseData;
using testing::courseRow;

constexpr int order[18] = {7, 15, 1, 11, 17, 3, 13, 9, 5, 8, 16, 2, 12, 18, 4, 14, 10, 6};

golfdb::HoleBytes strokeIndexes() {
    golfdb::HoleBytes si{};
    for (int h = 1; h <= 18; ++h)
        si[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(order[h - 1]);
    return si;
}

void fill(CCourseDlg& d) {
    d.setText(CourseText::Name, "Alder Run");
    d.setText(CourseText::Tee, "Blue");
    d.setText(CourseText::Slope, "120");
    d.setText(CourseText::Rating, "70.5");
    for (int h = 1; h <= 18; ++h) {
        d.setHoleText(CourseRow::Par, h, "4");
        d.setHoleText(CourseRow::Yardage, h, std::to_string(300 + h));
        d.setStrokeIndexText(h, std::to_string(order[h - 1]));
    }
}

TEST(StrokeIndexRow, EighteenDifferentNumbersOrNoneAtAll) {
    test::ScriptedPrompter prompter;
    CCourseDlg dialog(prompter, CourseMode::Add, false);
    fill(dialog);
    EXPECT_EQ(dialog.pressSaveAndQuit(), platform::dialogOk);
    EXPECT_EQ(dialog.form().strokeIndex, strokeIndexes());

    const struct {
        int hole;
        std::string text;
    } refused[] = {{5, "1"}, {5, ""}, {5, "19"}, {5, "0"}, {5, "x"}};
    for (const auto& c : refused) {
        prompter.shown.clear();
        fill(dialog);
        dialog.setStrokeIndexText(c.hole, c.text);
        EXPECT_EQ(dialog.pressSaveAndQuit(), dialogStayOpen) << c.text;
        ASSERT_EQ(prompter.texts().size(), 1u) << c.text;
        EXPECT_EQ(prompter.last().text, CCourseDlg::strokeIndexError());
        EXPECT_EQ(prompter.last().caption, "Course Error");
    }

    prompter.shown.clear();
    fill(dialog);
    for (int h = 1; h <= 18; ++h)
        dialog.setStrokeIndexText(h, " ");
    EXPECT_EQ(dialog.pressSaveAndQuit(), platform::dialogOk) << "all empty: a course without them";
    EXPECT_EQ(dialog.form().strokeIndex, golfdb::HoleBytes{});
}

TEST(StrokeIndexRow, ChangeShowsAndKeepsThemAndCopyFromMasterBringsThem) {
    CourseData data;
    auto row = courseRow("Alder Run", "Lexington", "KY", "Blue");
    row.strokeIndex = strokeIndexes();
    data.addCourse(row);
    auto services = data.services();
    data.host.on<CSelectCourseTee>([](CSelectCourseTee& s) {
        s.select(0);
        return s.ok();
    });
    data.host.on<CCourseDlg>([](CCourseDlg& d) {
        EXPECT_EQ(d.strokeIndexText(3), "1");
        d.setText(CourseText::Phone, "555-0199");
        return d.pressSaveAndQuit();
    });
    changeCourse(services);
    EXPECT_EQ(data.row("Alder Run", "Lexington", "KY", "Blue").strokeIndex, strokeIndexes());

    auto master = courseRow("Hillcrest", "Paris", "KY", "Blue", 121);
    master.strokeIndex = strokeIndexes();
    data.makeMaster({master});
    ASSERT_EQ(data.doc().openMasterTable(), 0);
    QueuedMasterPoster poster;
    CMergeMaster merge(data.doc(), data.prompter, {"KY", false});
    merge.open(poster);
    poster.pumpUntilEnd(merge);
    merge.setSelected({0});
    EXPECT_EQ(merge.copySelected(), platform::dialogOk);
    data.doc().closeMasterTable();
    EXPECT_EQ(data.row("Hillcrest", "Paris", "KY", "Blue").strokeIndex, strokeIndexes());
}

} // namespace
} // namespace kip::manage
