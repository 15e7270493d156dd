// Rule 3 over stored rounds: the index, recalculation back and forth, the listings and the history.

#include "GolfData.h"
#include "golfdb/TableFields.h"
#include "handicap/CHandicapHistoryDlg.h"
#include "handicap/HandicapHistory.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapListingCommands.h"
#include "handicap/HandicapRecalculation.h"
#include "handicap/WorldHandicapIndex.h"

namespace kip::handicap {
namespace {

using testing::GolfData;

class WorldHandicapRule : public ::testing::Test {
protected:
    void SetUp() override {
        services.chooseGolfer = [this]() -> std::optional<long> { return choice; };
        services.chooseCourse = [this]() -> std::optional<long> { return courseChoice; };
    }
    // A total-only round on a tee of rating 70.0 and slope 113: its differential is total - 70.
    long addTotal(const std::string& golfer, int year, int month, int day, int total, double legacy = 0.0) {
        auto& round = data.scores().record();
        round.clear();
        round.golfer = golfer;
        round.name = "Alder Run";
        round.slope = 113;
        round.rating = 70.0;
        round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
        round.year = year;
        round.month = month;
        round.day = day;
        round.totalStrokes = total;
        round.differential = legacy;
        EXPECT_EQ(data.scores().add(), 0);
        return data.scores().recordNumber();
    }
    void useRule(int rule) { data.doc().setHandicapRule(rule); }
    std::pair<double, int> stored(const std::string& golfer) {
        const auto row = data.golfer(golfer);
        return {row.handicapIndex, row.handicapRounds};
    }

    GolfData data;
    test::ScriptedDialogHost host;
    ListingServices services;
    std::optional<long> choice;
    std::optional<long> courseChoice;
};

TEST_F(WorldHandicapRule, NoIndexBeforeThreeRoundsThenTheTableOfStepFive) {
    data.addGolfer("Ostrowski, Ada");
    useRule(golfdb::ruleWorld);
    addTotal("Ostrowski, Ada", 2025, 3, 1, 90);
    addTotal("Ostrowski, Ada", 2025, 3, 8, 84);
    auto result = computeHandicapIndex(data.scores(), "Ostrowski, Ada");
    EXPECT_EQ(result.index, 0.0);
    EXPECT_EQ(result.counted, 0);
    addTotal("Ostrowski, Ada", 2025, 3, 15, 88);
    result = computeHandicapIndex(data.scores(), "Ostrowski, Ada");
    EXPECT_DOUBLE_EQ(result.index, 12.0); // lowest 14.0 less 2.0
    EXPECT_EQ(result.counted, 3);
}

TEST_F(WorldHandicapRule, SwitchingRulesWithRecalculationGivesBackTheSameStoredValues) {
    data.addGolfer("Ostrowski, Ada");
    data.addGolfer("Plus, Pat");
    data.addGolfer("Nobody, Ned");
    const std::vector<double> legacy = {14.2, 12.0, 16.5, 12.0, 18.1, 11.3, 15.0, 13.7};
    for (int i = 0; i < 8; ++i)
        addTotal("Ostrowski, Ada", 2025, 4, 1 + i, 85 + i % 4 * 3, legacy[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 5; ++i)
        addTotal("Plus, Pat", 2025, 5, 1 + i, 68, -2.0);
    data.addInitialRound("Ostrowski, Ada", 12.0, 5);

    std::vector<std::pair<double, int>> first, again;
    for (const int rule : {golfdb::ruleWorld, golfdb::ruleUsga, golfdb::ruleWorld, golfdb::ruleUsga}) {
        useRule(rule);
        ASSERT_TRUE(recalculateAllHandicaps(data.doc()).succeeded());
        data.reopen();
        auto& values = first.size() < 6 ? first : again;
        for (const char* golfer : {"Ostrowski, Ada", "Plus, Pat", "Nobody, Ned"})
            values.push_back(stored(golfer));
    }
    EXPECT_EQ(first, again);
    EXPECT_EQ(first[1], (std::pair<double, int>{-2.0, 5})) << "a plus index is stored negative";
    EXPECT_EQ(first[2], (std::pair<double, int>{0.0, 0}));
    EXPECT_EQ(first[3].second, 13) << "the legacy walk is untouched";
}

TEST_F(WorldHandicapRule, ListingShowsAdjustedGrossAndMarksTheLowestEightOfTwenty) {
    data.addGolfer("Ostrowski, Ada");
    for (int i = 0; i < 22; ++i)
        addTotal("Ostrowski, Ada", 2024, 1 + i / 2, 1 + i % 2 * 10, 80 + i % 10);
    useRule(golfdb::ruleWorld);
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), "Ostrowski, Ada", &listing);
    ASSERT_EQ(listing.size(), 20u);
    EXPECT_EQ(result.counted, 20);
    const auto used = std::count_if(listing.lines.begin(), listing.lines.end(), [](const std::string& l) {
        return l.size() > 2 && l.substr(l.size() - 2) == " *";
    });
    EXPECT_EQ(used, 8);
    EXPECT_EQ(listing.lines.front().substr(12), "  80 (10.0) *");
    EXPECT_EQ(listing.lines.back().substr(12), "  89 (19.0)");
}

TEST_F(WorldHandicapRule, PlusIndexesAndCourseHandicapsAreShownWithAPlus) {
    data.addGolfer("Plus, Pat", -1.2, 20);
    data.addGolfer("Scratch, Sam", 0.0, 20);
    useRule(golfdb::ruleWorld);
    choice = (data.golfers().find("Plus, Pat"), data.golfers().recordNumber());
    showHandicap(data.doc(), services);
    EXPECT_EQ(data.prompter.last().text, "Pat Plus has a handicap of +1.2");

    std::vector<std::string> lines;
    const auto listed = [&] {
        host.on<report::CListDlg>([&](report::CListDlg& d) {
            lines = d.texts();
            return d.ok();
        });
    };
    listed();
    showAllHandicaps(host, data.doc(), services, HandicapOrder::ByGolfer);
    EXPECT_EQ(lines, (std::vector<std::string>{"+1.2 \tPlus, Pat", " 0.0 \tScratch, Sam"}));

    auto& course = data.doc().courseTable().record();
    course.clearCourse();
    course.name = "Heron Bay";
    course.tee = "Blue";
    course.slope = 130;
    course.rating = 73.4;
    for (int h = 1; h <= 18; ++h)
        course.par[static_cast<std::size_t>(h)] = 4;
    ASSERT_EQ(data.doc().courseTable().add(), 0);
    courseChoice = data.doc().courseTable().recordNumber();
    listed();
    showCourseHandicaps(host, data.doc(), services, HandicapOrder::ByGolfer);
    // -1.2 x 130 / 113 + (73.4 - 72) = 0.019... -> 0; 0.0 -> 1.4 -> 1.
    EXPECT_EQ(lines, (std::vector<std::string>{"   0 \tPlus, Pat", "   1 \tScratch, Sam"}));
    course.rating = 70.0;
    ASSERT_EQ(data.doc().courseTable().change(), 0);
    listed();
    showCourseHandicaps(host, data.doc(), services, HandicapOrder::ByGolfer);
    EXPECT_EQ(lines, (std::vector<std::string>{"  +3 \tPlus, Pat", "  +2 \tScratch, Sam"}));

    useRule(golfdb::ruleUsga);
    showHandicap(data.doc(), services);
    EXPECT_EQ(data.prompter.last().text, "Pat Plus has a handicap of -1.2") << "legacy rules as they were";
}

TEST_F(WorldHandicapRule, HistoryListsTheIndexAfterEachDayUnderEitherRule) {
    data.addGolfer("Ostrowski, Ada");
    data.addGolfer("Nobody, Ned");
    addTotal("Ostrowski, Ada", 2025, 3, 1, 90, 20.0);
    addTotal("Ostrowski, Ada", 2025, 3, 8, 84, 14.0);
    addTotal("Ostrowski, Ada", 2025, 3, 8, 86, 16.0);
    addTotal("Ostrowski, Ada", 2025, 3, 15, 88, 18.0);
    useRule(golfdb::ruleWorld);
    std::vector<std::string> lines;
    for (const auto& point : handicapHistory(data.scores(), "Ostrowski, Ada"))
        lines.push_back(historyLine(point, golfdb::ruleWorld));
    EXPECT_EQ(lines, (std::vector<std::string>{"2025/03/01\tNH", "2025/03/08\t12.0", "2025/03/15\t13.0"}));

    useRule(golfdb::ruleUsga);
    lines.clear();
    for (const auto& point : handicapHistory(data.scores(), "Ostrowski, Ada"))
        lines.push_back(historyLine(point, golfdb::ruleUsga));
    // 20.0 x 0.96 - 0.05 = 19.15 (as the legacy walk stores it); then the lowest, 14.0: 13.39.
    EXPECT_EQ(lines, (std::vector<std::string>{"2025/03/01\t19.2", "2025/03/08\t13.4", "2025/03/15\t13.4"}));
    EXPECT_EQ(handicapHistory(data.scores(), "Ostrowski, Ada").back().index,
              golfdb::fields::storedOneDecimal(computeHandicapIndex(data.scores(), "Ostrowski, Ada").index));
    EXPECT_TRUE(handicapHistory(data.scores(), "Nobody, Ned").empty());

    choice = (data.golfers().find("Ostrowski, Ada"), data.golfers().recordNumber());
    bool shown = false;
    host.on<CHandicapHistoryDlg>([&](CHandicapHistoryDlg& d) {
        shown = true;
        EXPECT_EQ(d.title(), "Handicap History for Ada Ostrowski");
        EXPECT_EQ(d.lines().size(), 3u);
        EXPECT_EQ(d.scale().lastDay - d.scale().firstDay, 14);
        return d.ok();
    });
    showHandicapHistory(host, data.doc(), services);
    EXPECT_TRUE(shown);
}

TEST_F(WorldHandicapRule, LowIndexOfTheYearBeforeCapsTheIndex) {
    data.addGolfer("Ostrowski, Ada");
    // Twenty rounds of 10.0 in 2024, then twenty of 30.0 spread over the next months.
    for (int i = 0; i < 20; ++i)
        addTotal("Ostrowski, Ada", 2024, 1 + i / 4, 1 + i % 4 * 7, 80);
    for (int i = 0; i < 20; ++i)
        addTotal("Ostrowski, Ada", 2024, 7 + i / 4, 1 + i % 4 * 7, 100);
    useRule(golfdb::ruleWorld);
    const auto history = handicapHistory(data.scores(), "Ostrowski, Ada");
    ASSERT_EQ(history.size(), 40u);
    EXPECT_EQ(history[19].index, 10.0);
    EXPECT_FALSE(history[19].low) << "no index from 20 differentials before it";
    const HistoryPoint& last = history.back();
    EXPECT_EQ(last.low, 10.0);
    EXPECT_TRUE(last.hardCapped);
    EXPECT_EQ(last.index, 15.0);
}

} // namespace
} // namespace kip::handicap
