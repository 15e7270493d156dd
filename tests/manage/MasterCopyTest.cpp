// The master loader on its own thread, the Copy From Master dialog and its opening sequence.

#include "manage/MasterCopy.h"
#include "CourseData.h"
#include "manage/CMergeMaster.h"
#include "manage/CSelectCourseDlg.h"
#include "manage/CSelectState.h"
#include "manage/CourseCommands.h"
#include "manage/QueuedMasterPoster.h"

#include <cstdio>
#include <fstream>

namespace kip::manage {
namespace {

using testing::CourseData;
using testing::courseRow;

std::vector<golfdb::CourseRecord> numberedCourses(int groups, const char* state = "OH") {
    std::vector<golfdb::CourseRecord> rows;
    for (int i = 0; i < groups; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Course %04d", i);
        rows.push_back(courseRow(name, "Dayton", state, "Blue"));
        rows.push_back(courseRow(name, "Dayton", state, "White"));
    }
    return rows;
}

std::vector<std::string> texts(const CMergeMaster& d) {
    std::vector<std::string> out;
    for (const auto& line : d.masterLines())
        out.push_back(line.text);
    return out;
}

// Opens the dialog on the master table and pumps the loader's messages until its end.
void load(CMergeMaster& d, QueuedMasterPoster& poster) {
    d.open(poster);
    EXPECT_TRUE(d.loading());
    EXPECT_FALSE(d.canClose());
    EXPECT_EQ(d.cancel(), dialogStayOpen);
    poster.pumpUntilEnd(d);
    EXPECT_FALSE(d.loading());
}

TEST(MasterLoader, PostsOneGroupPerCourseInTagOrderFromItsOwnThread) {
    CourseData data;
    auto rows = numberedCourses(300);
    rows.push_back(courseRow("Course 0001", "Akron", "OH", "Red")); // same name, another city
    data.makeMaster(rows);
    golfdb::CourseTable master(data.dir.path() + "KipCourses");
    ASSERT_EQ(master.open(), 0);
    QueuedMasterPoster poster;
    CMergeMaster sink(data.doc(), data.prompter, {});
    std::vector<std::string> names;
    {
        MasterLoader loader;
        loader.start(master, "", poster);
        // The interface thread takes messages while the walk goes on.
        while (!poster.pump(sink))
            ;
        EXPECT_TRUE(sink.ended());
    }
    EXPECT_EQ(sink.linesReceived(), 301);
    EXPECT_EQ(sink.masterLines().front().text.substr(0, 10), "OH, Akron ");
    master.close();
}

TEST(MasterLoader, StopsEarlyWhenItsOwnerGoesAway) {
    CourseData data;
    data.makeMaster(numberedCourses(500));
    golfdb::CourseTable master(data.dir.path() + "KipCourses");
    ASSERT_EQ(master.open(), 0);
    QueuedMasterPoster poster;
    {
        MasterLoader loader;
        loader.start(master, "", poster);
    } // joins without anyone pumping
    CMergeMaster sink(data.doc(), data.prompter, {});
    EXPECT_TRUE(poster.pump(sink)) << "the end message is still sent";
    master.close();
}

class MasterCopy : public ::testing::Test {
protected:
    void SetUp() override {
        data.makeMaster(
            {courseRow("Hillcrest", "Paris", "KY", "Blue", 121), courseRow("Hillcrest", "Paris", "KY", "Red"),
             courseRow("Hillcrest", "Paris", "KY", "White", 117),
             courseRow("Oak Hill", "Ashland", "Ky", "Blue"), courseRow("Pine Valley", "Erie", "PA", "Gold"),
             courseRow("Ridge", "Hazard", "ky", "Blue"),
             courseRow("Valley View", "Owensboro", "KYX", "Blue")});
        ASSERT_EQ(data.doc().openMasterTable(), 0);
    }
    void TearDown() override { data.doc().closeMasterTable(); }

    CourseData data;
    QueuedMasterPoster poster;
};

TEST_F(MasterCopy, StateFilterKeepsTheStateInAnyCaseAndListsByStateOrName) {
    CMergeMaster byState(data.doc(), data.prompter, {"KY", false});
    load(byState, poster);
    EXPECT_EQ(texts(byState), (std::vector<std::string>{"Ky, Ashland               \tOak Hill",
                                                        "ky, Hazard                \tRidge",
                                                        "KY, Paris                 \tHillcrest"}));
    EXPECT_EQ(byState.masterTabStop(), 160);
    EXPECT_FALSE(byState.findStateEnabled());
    EXPECT_EQ(byState.status(), "Select One or More Courses to Copy");
    EXPECT_EQ(data.cursor.depth, 0) << "the wait cursor ends with the loading";

    QueuedMasterPoster second;
    CMergeMaster byName(data.doc(), data.prompter, {"", true});
    load(byName, second);
    ASSERT_EQ(byName.masterLines().size(), 5u);
    EXPECT_EQ(byName.masterLines()[0].text, "Hillcrest                                \tParis, KY");
    EXPECT_EQ(byName.masterLines()[4].text.substr(0, 11), "Valley View");
}

TEST_F(MasterCopy, FindStateAndFindCourseNameScrollAndContinue) {
    CMergeMaster d(data.doc(), data.prompter, {});
    load(d, poster);
    EXPECT_EQ(d.masterTabStop(), 120);
    EXPECT_TRUE(d.findStateEnabled());
    d.setStateText("pa");
    EXPECT_EQ(d.stateText(), "PA");
    EXPECT_EQ(d.findState(), 4);
    d.setNameText("hill");
    EXPECT_EQ(d.findCourseName(), -1) << "the name search starts at the state found";
    EXPECT_EQ(data.prompter.last().text, "Course name not found");
    EXPECT_EQ(d.topLine(), 0);
    EXPECT_EQ(d.findCourseName(), 0); // Ky, Ashland ... Oak Hill
    EXPECT_EQ(d.findCourseName(), 2); // KY, Paris ... Hillcrest
    EXPECT_EQ(d.searchStart(), 3);
    EXPECT_EQ(d.findCourseName(), -1);
    EXPECT_EQ(d.searchStart(), 0);
    d.setStateText("TX");
    EXPECT_EQ(d.findState(), -1);
    EXPECT_EQ(data.prompter.last().text, "State not found");
    EXPECT_EQ(data.prompter.last().caption, "Find State");
}

TEST_F(MasterCopy, CopyAddsEveryTeeAndAsksOncePerExistingTee) {
    data.addCourse(courseRow("Hillcrest", "Paris", "KY", "Blue", 140));
    data.addCourse(courseRow("Hillcrest", "Paris", "KY", "White", 140));
    CMergeMaster d(data.doc(), data.prompter, {"KY", false});
    load(d, poster);
    EXPECT_EQ(d.currentLines().size(), 1u);
    ASSERT_EQ(d.masterLines()[2].name, "Hillcrest");
    d.setSelected({2});
    data.prompter.answer(platform::Answer::No);  // Blue stays
    data.prompter.answer(platform::Answer::Yes); // White is replaced
    EXPECT_EQ(d.copySelected(), platform::dialogOk);
    EXPECT_EQ(data.prompter.texts(),
              (std::vector<std::string>{"Course Hillcrest (Blue) already exists in Kip Golf courses, replace "
                                        "with course /tee from master?",
                                        "Course Hillcrest (White) already exists in Kip Golf courses, "
                                        "replace with course /tee from master?",
                                        "Course copy complete"}));
    EXPECT_EQ(data.row("Hillcrest", "Paris", "KY", "Blue").slope, 140);
    EXPECT_EQ(data.row("Hillcrest", "Paris", "KY", "White").slope, 117);
    EXPECT_EQ(data.row("Hillcrest", "Paris", "KY", "Red").slope, 120);
    ASSERT_EQ(d.outcomes().size(), 3u);
    EXPECT_EQ(d.outcomes()[0].result, CopyResult::Kept);
    EXPECT_EQ(d.outcomes()[1].result, CopyResult::Copied);
    EXPECT_EQ(d.outcomes()[2].result, CopyResult::Replaced);
}

TEST_F(MasterCopy, ALargerMasterLoadsCompletely) {
    data.doc().closeMasterTable();
    std::remove((data.dir.path() + "KipCourses.dbf").c_str());
    std::remove((data.dir.path() + "KipCourses.cdx").c_str());
    data.makeMaster(numberedCourses(250));
    ASSERT_EQ(data.doc().openMasterTable(), 0);
    CMergeMaster d(data.doc(), data.prompter, {});
    d.open(poster);
    EXPECT_EQ(d.status(), "Beginning to load master courses..");
    poster.pumpUntilEnd(d);
    EXPECT_EQ(d.linesReceived(), 250);
    EXPECT_EQ(d.status(), "Select One or More Courses to Copy");
}

TEST_F(MasterCopy, StatusTextsDuringLoading) {
    CMergeMaster d(data.doc(), data.prompter, {});
    std::vector<std::string> statuses;
    for (int i = 0; i < 250; ++i) {
        d.receiveGroup({"C" + std::to_string(i), "", "", i + 1});
        if (statuses.empty() || statuses.back() != d.status())
            statuses.push_back(d.status());
    }
    EXPECT_EQ(statuses,
              (std::vector<std::string>{"", "100 courses loaded so far", "200 courses loaded so far"}));
    EXPECT_TRUE(d.mergePending());
    EXPECT_FALSE(d.mergePending());
    EXPECT_EQ(d.masterLines().size(), 250u);
}

TEST_F(MasterCopy, CommandOpensAsksForTheStateAndClosesTheTable) {
    data.doc().closeMasterTable();
    auto services = data.services();
    data.host.on<CSelectState>([](CSelectState& s) {
        EXPECT_FALSE(s.stateEnabled());
        s.chooseOneState(true);
        s.setStateText("pa");
        return s.ok();
    });
    data.host.on<CMergeMaster>([this](CMergeMaster& d) {
        load(d, poster);
        EXPECT_EQ(d.masterLines().size(), 1u);
        return d.copySelected();
    });
    copyCoursesFromMaster(services);
    EXPECT_TRUE(data.prompter.shown.empty()) << "nothing selected: no message";
    EXPECT_EQ(data.doc().masterTable(), nullptr);
    EXPECT_TRUE(data.rows().empty());

    data.host.on<CSelectState>([](CSelectState& s) { return s.cancel(); });
    copyCoursesFromMaster(services);
    EXPECT_EQ(data.doc().masterTable(), nullptr);
}

TEST_F(MasterCopy, AMissingOrForeignMasterGivesTheOpeningMessageOnly) {
    data.doc().closeMasterTable();
    auto services = data.services();
    {
        std::ofstream foreign(data.dir.path() + "KipCourses.dbf", std::ios::trunc | std::ios::binary);
        foreign << "not a table at all";
    }
    copyCoursesFromMaster(services);
    EXPECT_EQ(data.prompter.texts(), std::vector<std::string>{masterMissingFromCommand});
    EXPECT_EQ(data.prompter.last().caption, "Master Database Error");
    EXPECT_EQ(data.settings.values.at("Courses/Date"), "00000000");

    // From "Select Course": the shorter message, and the list stays as it was.
    std::remove((data.dir.path() + "KipCourses.dbf").c_str());
    data.prompter.shown.clear();
    CSelectCourseDlg select(services);
    select.addFromMaster();
    EXPECT_EQ(data.prompter.texts(), std::vector<std::string>{masterMissingFromSelection});
    EXPECT_EQ(data.host.runs, 0);
}

TEST_F(MasterCopy, ADamagedMasterIndexNeverHangsTheLoader) {
    data.doc().closeMasterTable();
    const std::string cdx = data.dir.path() + "KipCourses.cdx";
    std::string bytes = test::readFile(cdx);
    for (std::size_t i = 1024; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    std::ofstream(cdx, std::ios::binary | std::ios::trunc) << bytes;
    auto services = data.services();
    data.host.on<CSelectState>([](CSelectState& s) { return s.ok(); });
    data.host.on<CMergeMaster>([this](CMergeMaster& d) {
        load(d, poster);
        EXPECT_LE(d.masterLines().size(), 5u);
        return d.cancel();
    });
    copyCoursesFromMaster(services);
    EXPECT_EQ(data.doc().masterTable(), nullptr);
    EXPECT_TRUE(data.rows().empty());
}

TEST_F(MasterCopy, AddFromMasterRefillsTheCourseGroups) {
    data.doc().closeMasterTable();
    auto services = data.services();
    CSelectCourseDlg select(services);
    EXPECT_TRUE(select.groupLines().empty());
    data.host.on<CSelectState>([](CSelectState& s) { return s.ok(); });
    data.host.on<CMergeMaster>([this](CMergeMaster& d) {
        load(d, poster);
        d.setSelected({2, 0}); // Hillcrest with three tees, Oak Hill with one
        int refills = 0;
        d.currentListChanged = [&] {
            ++refills;
            EXPECT_EQ(d.currentLines().size(), 2u);
            EXPECT_TRUE(data.prompter.shown.empty()) << "the left list is filled before the closing message";
        };
        const int result = d.copySelected();
        EXPECT_EQ(refills, 1);
        return result;
    });
    select.addFromMaster();
    EXPECT_EQ(select.groupLines().size(), 2u);
    EXPECT_EQ(data.rows().size(), 4u);
}

} // namespace
} // namespace kip::manage
