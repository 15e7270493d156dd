#include "handicap/ScoreLines.h"
#include "GolfData.h"
#include "handicap/HandicapIndex.h"

#include <gtest/gtest.h>

namespace kip::handicap {
namespace {

using testing::GolfData;

golfdb::ItemList linesFor(GolfData& data, const std::string& golfer) {
    HandicapListing listing;
    const auto result = computeHandicapIndex(data.scores(), golfer, &listing);
    const auto name = golfdb::GolferTable::splitName(golfer);
    golfdb::ItemList lines;
    buildScoreLines(std::move(listing), name.first, name.last, result.index, lines);
    return lines;
}

std::vector<std::string> textsOf(const golfdb::ItemList& lines) {
    std::vector<std::string> texts;
    for (const auto& line : lines)
        texts.push_back(line.text);
    return texts;
}

TEST(ScoreLines, NewestFirstWithUsedRoundsMarkedAndAtLinedUp) {
    GolfData data;
    const long older = data.addRound({"Okonkwo, Ike", 2023, 9, 1, 12.4, 84, "Alderwood"});
    const long newer = data.addRound({"Okonkwo, Ike", 2024, 5, 2, 9.1, 80, "Cedar Ridge"});
    const long newest = data.addRound({"Okonkwo, Ike", 2024, 7, 30, 15.0, 90, "Alder Run"});
    const auto lines = linesFor(data, "Okonkwo, Ike");
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{
                                  "Ike Okonkwo has a handicap of  8.7",
                                  "  2024/07/30  90 (15.0)   at Alder Run",
                                  "  2024/05/02  80 ( 9.1) * at Cedar Ridge",
                                  "  2023/09/01  84 (12.4)   at Alderwood",
                              }));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].record, noRoundRecord);
    EXPECT_EQ(lines[1].record, newest);
    EXPECT_EQ(lines[2].record, newer);
    EXPECT_EQ(lines[3].record, older);
}

TEST(ScoreLines, RoundsOfOneDateListLowestDifferentialFirst) {
    GolfData data;
    data.addRound({"Brightwater, Tomas", 2019, 8, 5, 6.0, 80, "Morning"});
    data.addRound({"Brightwater, Tomas", 2019, 8, 5, 4.6, 78, "Afternoon"});
    const auto lines = linesFor(data, "Brightwater, Tomas");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, "  2019/08/05  78 ( 4.6) * at Afternoon");
    EXPECT_EQ(lines[2].text, "  2019/08/05  80 ( 6.0)   at Morning");
}

TEST(ScoreLines, GolferWithoutRoundsShowsOnlyTheHeading) {
    GolfData data;
    EXPECT_EQ(textsOf(linesFor(data, "Castellano, Rita")),
              (std::vector<std::string>{"Rita Castellano has a handicap of  0.0"}));
}

TEST(ScoreLines, NameWithoutCommaHasAnEmptyFirstName) {
    GolfData data;
    data.addRound({"Mulligan", 2024, 5, 14, 19.9, 91, "Cedar Ridge"});
    const auto lines = linesFor(data, "Mulligan");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].text, " Mulligan has a handicap of 19.1");
}

TEST(ScoreLines, StartingHandicapIsListedOncePerCountedRepetition) {
    GolfData data;
    const long initial = data.addInitialRound("Dunmore, Pat", 24.5, 5);
    data.addRound({"Dunmore, Pat", 2024, 9, 9, 25.3, 104, "Links at Dunmore"});
    data.addRound({"Dunmore, Pat", 2024, 9, 10, 23.0, 100, "Links at Dunmore"});
    const auto lines = linesFor(data, "Dunmore, Pat");
    ASSERT_EQ(lines.size(), 8u);
    int initialLines = 0;
    for (std::size_t i = 3; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].record, initial);
        EXPECT_TRUE(lines[i].text.starts_with("  1001/01/05   0 (25.6)")) << lines[i].text;
        EXPECT_TRUE(lines[i].text.ends_with("at Initial Handicap")) << lines[i].text;
        ++initialLines;
    }
    EXPECT_EQ(initialLines, 5);
    EXPECT_EQ(lines[1].text, "  2024/09/10 100 (23.0) * at Links at Dunmore");
}

TEST(ScoreLines, BlocksOfSeveralGolfersFollowEachOther) {
    golfdb::ItemList lines;
    buildScoreLines({}, "Ike", "Okonkwo", 8.66, lines);
    HandicapListing one;
    one.lines = {"  2024/01/02  80 ( 9.0) *"};
    one.courseNames = {"Alder Run"};
    one.recordNumbers = {7};
    buildScoreLines(one, "Rita", "Castellano", -1.25, lines);
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"Ike Okonkwo has a handicap of  8.7",
                                                        "Rita Castellano has a handicap of -1.2",
                                                        "  2024/01/02  80 ( 9.0) * at Alder Run"}));
    EXPECT_EQ(lines[2].record, 7);
}

} // namespace
} // namespace kip::handicap
