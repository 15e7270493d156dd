// The document's operations over many rows and its list builders, on copies of the peer tables.

#include "GolfTestData.h"
#include "golfdb/CKipGolfDoc.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> texts(const ItemList& items) {
    std::vector<std::string> out;
    for (const auto& item : items)
        out.push_back(item.text);
    return out;
}

std::vector<long> records(const ItemList& items) {
    std::vector<long> out;
    for (const auto& item : items)
        out.push_back(item.record);
    return out;
}

class DocumentRows : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Courses", "Golfers", "Scores"})
            dir.copyFixture(name);
        ASSERT_EQ(doc.openDatabase(), OpenOutcome::Opened);
    }

    int roundsOf(const std::string& golfer) {
        int count = 0;
        ScoreTable& scores = doc.scoreTable();
        for (int rc = scores.findRound(golfer, "99999999");
             rc == store::storeOk && scores.record().golfer == golfer; rc = scores.skip())
            ++count;
        return count;
    }

    static int listedRoundsOf(const std::string& golfer) {
        int count = 0;
        for (const auto& r : test::readListedRecords("Scores"))
            count += !r.deleted && r.values.at("GOLFER") == golfer;
        return count;
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::CountingWaitCursor cursor;
    CKipGolfDoc doc{dir.path(), prompter, &cursor, 2026};
};

TEST_F(DocumentRows, RefusedDeletesLeaveTheTablesReadable) {
    doc.closeDatabase();
    std::filesystem::permissions(dir.path() + "Scores.dbf", std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    ASSERT_EQ(doc.reopenDatabase(), store::storeOk);
    const int before = roundsOf("Okonkwo, Ike");
    const std::size_t listed = doc.roundList("Okonkwo, Ike").size();
    ASSERT_GT(before, 0);
    EXPECT_EQ(doc.deleteGolferRounds("Zielinski, Walt"), 0) << "nothing could be deleted";
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), before);
    EXPECT_EQ(doc.roundList("Okonkwo, Ike").size(), listed);
    EXPECT_FALSE(doc.golferList().empty());
}

TEST_F(DocumentRows, CourseListOneLinePerCourseOrPerTee) {
    const ItemList courses = doc.courseList(false);
    EXPECT_EQ(texts(courses), (std::vector<std::string>{
                                  "Alder Run\t  Riverton, KY",
                                  "Alderwood\t  Maple Falls, OH",
                                  "Birch Hollow Golf Club",
                                  "Cedar Ridge\t    TN",
                                  "Links at Dunmore\t  Dunmore, Antrim",
                                  "Zephyr Point\t  Port Hale, MI",
                              }));
    EXPECT_EQ(records(courses), (std::vector<long>{3, 2, 5, 7, 8, 4})) << "first tee in key order";

    const ItemList tees = doc.courseList(true);
    ASSERT_EQ(tees.size(), 11u);
    EXPECT_EQ(tees[0].text, "Alder Run (Blue)\t  Riverton, KY");
    EXPECT_EQ(tees[1].text, "Alder Run (Red)\t  Riverton, KY");
    EXPECT_EQ(tees[5].text, "Birch Hollow Golf Club (Middle)");
    EXPECT_EQ(tees[10].record, 4);
    EXPECT_GE(cursor.begun, 2);
    EXPECT_EQ(cursor.depth, 0);
}

TEST_F(DocumentRows, TeeListFollowsTheCourseFromTheGivenRow) {
    const ItemList tees = doc.teeList(3);
    EXPECT_EQ(texts(tees), (std::vector<std::string>{"Blue", "Red", "White"}));
    EXPECT_EQ(records(tees), (std::vector<long>{3, 10, 6}));
    EXPECT_EQ(texts(doc.teeList(10)), (std::vector<std::string>{"Red", "White"}));
    EXPECT_TRUE(doc.teeList(999).empty());
    EXPECT_EQ(cursor.begun, 3);
    EXPECT_EQ(cursor.depth, 0);
}

TEST_F(DocumentRows, RecentCoursesSkipUnknownKeysAndStopAtAnEmptyOne) {
    doc.recentCourses() = {courseKey("Cedar Ridge", "", "TN", "Back"), courseKey("Gone Away", "", "", "Blue"),
                           courseKey("Alderwood", "Maple Falls", "OH", "White"), "",
                           courseKey("Alder Run", "Riverton", "KY", "Red")};
    const ItemList recent = doc.recentCourseList();
    EXPECT_EQ(texts(recent), (std::vector<std::string>{"Cedar Ridge (Back)", "Alderwood (White)"}));
    EXPECT_EQ(records(recent), (std::vector<long>{7, 9}));
    EXPECT_EQ(cursor.begun, 1);
    EXPECT_EQ(cursor.depth, 0);
}

TEST_F(DocumentRows, GolferAndTeamLists) {
    const ItemList golfers = doc.golferList();
    ASSERT_EQ(golfers.size(), 8u);
    EXPECT_EQ(golfers.front().text, "Abernathy, Claire");
    EXPECT_TRUE(std::is_sorted(golfers.begin(), golfers.end(),
                               [](const ListItem& a, const ListItem& b) { return a.text < b.text; }));
    const ItemList teams = doc.teamList();
    ASSERT_EQ(teams.size(), 8u);
    EXPECT_EQ(teams[1].text, "  12     5.1      Tomas Brightwater");
    EXPECT_EQ(teams[1].record, golfers[1].record);
}

TEST_F(DocumentRows, RoundListIsNewestFirstWithoutTheInitialRound) {
    const std::string golfer = "Okonkwo, Ike";
    struct Listed {
        std::string date;
        std::string line;
    };
    std::vector<Listed> expected;
    for (const auto& r : test::readListedRecords("Scores")) {
        const auto& v = r.values;
        if (r.deleted || v.at("GOLFER") != golfer || v.at("DATE") < "10100101")
            continue;
        int total = std::stoi(v.at("TOTSTROKES"));
        if (total == 0)
            for (const char c : test::listedBytes(v.at("SCORES"), 19))
                total += c;
        const std::string& d = v.at("DATE");
        std::array<char, 128> line{};
        std::snprintf(line.data(), line.size(), "%s/%s/%s \t%3d \t%s", d.substr(4, 2).c_str(),
                      d.substr(6, 2).c_str(), d.substr(0, 4).c_str(), total, v.at("NAME").c_str());
        expected.push_back({d, line.data()});
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Listed& a, const Listed& b) { return a.date > b.date; });
    std::vector<std::string> lines;
    for (const auto& e : expected)
        lines.push_back(e.line);

    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(texts(doc.roundList(golfer)), lines);
    EXPECT_TRUE(doc.roundList("Nobody, Here").empty());
}

TEST_F(DocumentRows, RenameMovesEveryRoundToTheNewName) {
    const int before = listedRoundsOf("Okonkwo, Ike");
    const int others = listedRoundsOf("Mulligan");
    ASSERT_GT(before, 10);
    EXPECT_EQ(doc.renameGolferInRounds("Okonkwo", "Ike", "Okonkwo-Reyes", "Isaac"), store::storeOk);
    EXPECT_EQ(roundsOf("Okonkwo, Ike"), 0);
    EXPECT_EQ(roundsOf("Okonkwo-Reyes, Isaac"), before);
    EXPECT_EQ(roundsOf("Mulligan"), others);
    EXPECT_EQ(doc.renameGolferInRounds("Mulligan", "", "Mulligan", ""), store::storeOk)
        << "same name: no change";
    EXPECT_EQ(roundsOf("Mulligan"), others);
}

TEST_F(DocumentRows, RenameOfThirtyRoundsOnAFreshGolfer) {
    for (int i = 0; i < 30; ++i) {
        doc.scoreTable().record() = test::sampleRound("Quill, Ada", 2020 + i % 5, 1 + i % 12, 1 + i);
        ASSERT_EQ(doc.scoreTable().add(), store::storeOk);
    }
    EXPECT_EQ(doc.renameGolferInRounds("Quill", "Ada", "Quill", "Adaline"), store::storeOk);
    EXPECT_EQ(roundsOf("Quill, Ada"), 0);
    EXPECT_EQ(roundsOf("Quill, Adaline"), 30);
}

// Keeps files from growing past their present size for the life of the scope, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(DocumentRows, RenameThatCannotAppendKeepsEveryRoundUnderTheOldName) {
    const int before = listedRoundsOf("Dunmore, Pat");
    int result = 0;
    {
        const FileSizeLimit full(fs::file_size(dir.path() + "Scores.dbf"));
        result = doc.renameGolferInRounds("Dunmore", "Pat", "Dunmore", "Patricia");
    }
    EXPECT_LT(result, 0);
    EXPECT_EQ(roundsOf("Dunmore, Pat"), before);
    EXPECT_EQ(roundsOf("Dunmore, Patricia"), 0);
}

TEST_F(DocumentRows, DeletingAGolfersRoundsPacksThemAwayOnClose) {
    const int before = listedRoundsOf("Zielinski, Walt");
    const long rowsBefore = store::recordCount(doc.scoreTable().storeTable());
    EXPECT_EQ(doc.deleteGolferRounds("Zielinski, Walt"), before);
    EXPECT_EQ(roundsOf("Zielinski, Walt"), 0);
    EXPECT_EQ(doc.scoreTable().packOnClose, 1);
    EXPECT_GT(roundsOf("Okonkwo, Ike"), 0);

    doc.closeDatabase();
    ASSERT_EQ(doc.reopenDatabase(), store::storeOk);
    EXPECT_EQ(store::recordCount(doc.scoreTable().storeTable()), rowsBefore - before - 4)
        << "the rounds and the four rows deleted earlier are packed away";
    EXPECT_EQ(doc.scoreTable().packOnClose, 0);
}

TEST_F(DocumentRows, DeletingAYearCountsAndRemovesOnlyThatYear) {
    int inYear = 0;
    int live = 0;
    for (const auto& r : test::readListedRecords("Scores")) {
        live += !r.deleted;
        inYear += !r.deleted && r.values.at("DATE").rfind("2023", 0) == 0;
    }
    ASSERT_GT(inYear, 0);
    EXPECT_EQ(doc.deleteYearRounds(2023), inYear);
    int left = 0;
    ScoreTable& scores = doc.scoreTable();
    for (int rc = scores.goTop(); rc == store::storeOk; rc = scores.skip()) {
        EXPECT_NE(scores.record().year, 2023);
        ++left;
    }
    EXPECT_EQ(left, live - inYear);
    EXPECT_EQ(doc.deleteYearRounds(1999), 0);
    EXPECT_EQ(cursor.depth, 0);
}

} // namespace
} // namespace kip::golfdb
