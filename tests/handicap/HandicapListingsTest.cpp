#include "GolfData.h"
#include "handicap/HandicapListingCommands.h"
#include "handicap/HandicapScoresListing.h"
#include "support/RecordingPrinter.h"

namespace kip::handicap {
namespace {

using testing::GolfData;

class HandicapListings : public ::testing::Test {
protected:
    void SetUp() override {
        services.chooseGolfer = [this]() -> std::optional<long> { return choice; };
        services.chooseCourse = [this]() -> std::optional<long> { return courseChoice; };
        services.viewRound = [this](const golfdb::ScoreRecord& round) {
            viewed.push_back(round.totalStrokes);
        };
        services.printer = &printer;
        services.clock = &clock;
    }
    long golferRecord(const std::string& key) {
        EXPECT_EQ(data.golfers().find(key), 0) << key;
        return data.golfers().recordNumber();
    }
    long addCourse(const std::string& name, const std::string& tee, int slope) {
        auto& course = data.doc().courseTable().record();
        course.clearCourse();
        course.name = name;
        course.tee = tee;
        course.slope = slope;
        course.rating = 70.1;
        EXPECT_EQ(data.doc().courseTable().add(), 0);
        return data.doc().courseTable().recordNumber();
    }

    GolfData data;
    test::ScriptedDialogHost host;
    test::FixedClock clock{{2026, 12, 9}};
    ListingServices services;
    std::optional<long> choice;
    std::optional<long> courseChoice;
    std::vector<int> viewed;
    test::RecordingPrinter printer;
};

TEST_F(HandicapListings, ShowHandicapGivesTheStoredIndexEvenWhenTheRoundsSayOtherwise) {
    data.addGolfer("Mulligan", 18.3, 14);
    choice = golferRecord("Mulligan");
    showHandicap(data.doc(), services);
    ASSERT_EQ(data.prompter.shown.size(), 1u);
    EXPECT_EQ(data.prompter.last().text, " Mulligan has a handicap of 18.3");
    EXPECT_EQ(data.prompter.last().caption, "Handicap Information");
    EXPECT_EQ(data.prompter.last().icon, platform::Icon::Information);

    host.on<report::CListDlg>([](report::CListDlg& d) {
        EXPECT_EQ(d.title(), "Show Handicap and Scores");
        EXPECT_EQ(d.buttons(), (std::vector<report::ListButton>{
                                   report::ListButton::Ok, report::ListButton::Print,
                                   report::ListButton::PrintSummary, report::ListButton::Help}));
        EXPECT_EQ(d.firstHeading(), "* Used in calculating handicap");
        EXPECT_EQ(d.texts(), std::vector<std::string>{" Mulligan has a handicap of  0.0"});
        return d.ok();
    });
    showHandicapScores(host, data.doc(), services);
    EXPECT_EQ(host.runs, 1);

    choice = 999;
    showHandicap(data.doc(), services);
    EXPECT_EQ(data.prompter.last().text, "Error reading golfer information from database!");
    EXPECT_EQ(data.prompter.last().caption, "Handicap Information");
    showHandicapScores(host, data.doc(), services);
    EXPECT_EQ(data.prompter.last().caption, "Database Error");
    EXPECT_EQ(host.runs, 1);
}

TEST_F(HandicapListings, InitialHandicapRoundsAreListedOncePerCountedRound) {
    data.addGolfer("Okonkwo, Ike", 12.0, 0);
    data.addInitialRound("Okonkwo, Ike", 12.0, 5);
    data.addRound({"Okonkwo, Ike", 2024, 5, 2, 9.1, 80, "Cedar Ridge"});
    data.addRound({"Okonkwo, Ike", 2024, 7, 30, 15.0, 90, "Alder Run"});
    choice = golferRecord("Okonkwo, Ike");
    host.on<report::CListDlg>([this](report::CListDlg& d) {
        const auto& lines = d.lines();
        EXPECT_EQ(lines.size(), 8u);
        int initial = 0;
        for (const auto& line : lines)
            if (line.text.find("at Initial Handicap") != std::string::npos) {
                ++initial;
                EXPECT_EQ(line.text.substr(13, 3), "  0") << line.text;
            }
        EXPECT_EQ(initial, 5);
        EXPECT_EQ(lines[1].text, "  2024/07/30  90 (15.0)   at Alder Run");
        d.doubleClick(0); // the heading opens nothing
        d.doubleClick(1);
        EXPECT_EQ(viewed, std::vector<int>{90});
        return d.ok();
    });
    showHandicapScores(host, data.doc(), services);
}

TEST_F(HandicapListings, AllGolfersInKeyOrderAndTheirPrints) {
    data.addGolfer("Okonkwo, Ike");
    data.addGolfer("Brandt, Ola");
    data.addRounds("Okonkwo, Ike", {9.0, 8.0});
    data.addRound({"Brandt, Ola", 2024, 6, 1, 20.5, 101, "Alder Run"});
    host.on<report::CListDlg>([](report::CListDlg& d) {
        EXPECT_EQ(d.title(), "Show All Handicaps and Scores");
        EXPECT_EQ(d.buttons().size(), 5u);
        EXPECT_EQ(d.texts(), (std::vector<std::string>{
                                 "Ola Brandt has a handicap of 19.6",
                                 "  2024/06/01 101 (20.5) * at Alder Run",
                                 "",
                                 "Ike Okonkwo has a handicap of  7.6",
                                 "  2024/12/28  85 ( 9.0)   at Alder Run",
                                 "  2024/12/27  85 ( 8.0) * at Alder Run",
                                 "",
                             }));
        d.print(report::ListButton::Print);
        d.print(report::ListButton::PrintNoBreaks);
        d.print(report::ListButton::PrintSummary);
        return d.ok();
    });
    showAllHandicapScores(host, data.doc(), services);
    ASSERT_EQ(printer.documents.size(), 3u);
    const auto& paged = printer.documents[0];
    EXPECT_EQ(paged.request.documentName, "Kip Golf Handicap Scores");
    EXPECT_EQ(paged.pages, 2); // a page for every golfer
    EXPECT_EQ(paged.pageTexts(1).front(), "Show All Handicaps and Scores as of 12/09/2026");
    EXPECT_EQ(paged.pageTexts(1).at(1), "Ike Okonkwo has a handicap of  7.6");
    EXPECT_EQ(printer.documents[1].pages, 1);
    EXPECT_EQ(printer.documents[2].pageTexts(0),
              (std::vector<std::string>{"Show Handicap Scores Summary as of 12/09/2026",
                                        "Ola Brandt has a handicap of 19.6", "101*", "",
                                        "Ike Okonkwo has a handicap of  7.6", " 85 ,  85*", ""}));
}

TEST_F(HandicapListings, SummaryTextEndsEachLineOnceItPasses55Characters) {
    golfdb::ItemList lines{{"Ike Okonkwo has a handicap of  7.6", report::noRecord}};
    for (int i = 0; i < 20; ++i)
        lines.push_back(
            {std::string("  2024/05/02  8") + char('0' + i % 10) + " ( 9.1)" + (i % 3 ? " *" : ""), i + 1L});
    lines.push_back({"  2024/05/02  85", 40}); // too short to hold the mark
    const auto summary = summaryLines(lines);
    ASSERT_EQ(summary.size(), 4u);
    EXPECT_EQ(summary[1], " 80 ,  81*,  82*,  83 ,  84*,  85*,  86 ,  87*,  88*,  89 ");
    EXPECT_EQ(summary[1].size(), 58u); // the score that took it past 55 ends the line
    EXPECT_EQ(summary[2], " 80*,  81*,  82 ,  83*,  84*,  85 ,  86*,  87*,  88 ,  89*");
    EXPECT_EQ(summary[3], " 85 ");
}

TEST_F(HandicapListings, HandicapListsByGolferAndSortedWithoutRegardToCase) {
    data.addGolfer("okafor, Bea", 12.5);
    data.addGolfer("Okonkwo, Ike", 12.4);
    data.addGolfer("Brandt, Ola", 3.0);
    data.addGolfer("Adams, Al", 12.5);
    host.on<report::CListDlg>([](report::CListDlg& d) {
        EXPECT_EQ(d.title(), "Golfer Handicaps (By Golfer)");
        EXPECT_EQ(d.texts(), (std::vector<std::string>{"12.5 \tAdams, Al", " 3.0 \tBrandt, Ola",
                                                       "12.4 \tOkonkwo, Ike", "12.5 \tokafor, Bea"}));
        return d.ok();
    });
    showAllHandicaps(host, data.doc(), services, HandicapOrder::ByGolfer);
    host.on<report::CListDlg>([](report::CListDlg& d) {
        EXPECT_EQ(d.title(), "Golfer Handicaps (By Handicaps)");
        EXPECT_EQ(d.texts(), (std::vector<std::string>{" 3.0 \tBrandt, Ola", "12.4 \tOkonkwo, Ike",
                                                       "12.5 \tAdams, Al", "12.5 \tokafor, Bea"}));
        d.print(report::ListButton::Print);
        return d.ok();
    });
    showAllHandicaps(host, data.doc(), services, HandicapOrder::ByHandicap);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.last().request.documentName, "Kip Golf Handicaps");
    EXPECT_EQ(printer.last().pageTexts(0),
              (std::vector<std::string>{"Golfer Handicaps (By Handicaps)", " 3.0 \tBrandt, Ola",
                                        "12.4 \tOkonkwo, Ike", "12.5 \tAdams, Al", "12.5 \tokafor, Bea"}));
}

TEST_F(HandicapListings, CourseHandicapsRoundHalfUpOnAStandardSlope) {
    data.addGolfer("Okonkwo, Ike", 12.4);
    data.addGolfer("Brandt, Ola", 12.5);
    data.addGolfer("Adams, Al", 2.0);
    courseChoice = addCourse("Alder Run", "Blue", 113);
    host.on<report::CListDlg>([](report::CListDlg& d) {
        EXPECT_EQ(d.title(), "Alder Run (Blue)");
        EXPECT_EQ(d.texts(), (std::vector<std::string>{"   2 \tAdams, Al", "  12 \tOkonkwo, Ike",
                                                       "  13 \tBrandt, Ola"}));
        return d.ok();
    });
    showCourseHandicaps(host, data.doc(), services, HandicapOrder::ByHandicap);
    courseChoice = 999;
    showCourseHandicaps(host, data.doc(), services, HandicapOrder::ByGolfer);
    EXPECT_EQ(host.runs, 1);
    EXPECT_TRUE(data.prompter.shown.empty());
}

TEST_F(HandicapListings, ARoundThatCannotBeReadIsReported) {
    data.addGolfer("Okonkwo, Ike");
    data.addRounds("Okonkwo, Ike", {9.0});
    choice = golferRecord("Okonkwo, Ike");
    host.on<report::CListDlg>([&](report::CListDlg& d) {
        data.scores().close();
        d.doubleClick(1);
        return d.ok();
    });
    showHandicapScores(host, data.doc(), services);
    EXPECT_TRUE(viewed.empty());
    ASSERT_EQ(data.prompter.shown.size(), 1u);
    EXPECT_EQ(data.prompter.last().text, "Error reading round information from database!");
    EXPECT_EQ(data.prompter.last().caption, "Database Error");
}

} // namespace
} // namespace kip::handicap
