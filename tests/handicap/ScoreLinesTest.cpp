#include "handicap/ScoreLines.h"
#include "GolfData.h"
#include "handicap/HandicapIndex.h"

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
    const long sameDayHigh = data.addRound({"Okonkwo, Ike", 2024, 5, 2, 9.9, 81, "Cedar Ridge"});
    const long sameDayLow = data.addRound({"Okonkwo, Ike", 2024, 5, 2, 9.1, 80, "Cedar Ridge"});
    const long newest = data.addRound({"Okonkwo, Ike", 2024, 7, 30, 15.0, 90, "Alder Run"});
    const auto lines = linesFor(data, "Okonkwo, Ike");
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{
                                  "Ike Okonkwo has a handicap of  8.7",
                                  "  2024/07/30  90 (15.0)   at Alder Run",
                                  "  2024/05/02  80 ( 9.1) * at Cedar Ridge",
                                  "  2024/05/02  81 ( 9.9)   at Cedar Ridge",
                                  "  2023/09/01  84 (12.4)   at Alderwood",
                              }));
    std::vector<long> records;
    for (const auto& line : lines)
        records.push_back(line.record);
    EXPECT_EQ(records, (std::vector<long>{noRoundRecord, newest, sameDayLow, sameDayHigh, older}));
}

TEST(ScoreLines, StartingHandicapIsListedOncePerCountedRepetition) {
    GolfData data;
    const long initial = data.addInitialRound("Dunmore, Pat", 24.5, 5); // stored 25.6
    data.addRound({"Dunmore, Pat", 2024, 9, 9, 25.3, 104, "Links at Dunmore"});
    data.addRound({"Dunmore, Pat", 2024, 9, 10, 23.0, 100, "Links at Dunmore"});
    const auto lines = linesFor(data, "Dunmore, Pat");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2].text, "  2024/09/09 104 (25.3) * at Links at Dunmore");
    for (std::size_t i = 3; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, "  1001/01/05   0 (25.6)   at Initial Handicap");
        EXPECT_EQ(lines[i].record, initial);
    }
}

TEST(ScoreLines, ListingWithUnevenSequencesListsOnlyWholeEntries) {
    HandicapListing listing;
    listing.lines = {"  2024/01/02  80 ( 9.0) *", "  2024/01/01  81 ( 9.5)"};
    listing.courseNames = {"Alder Run"};
    listing.recordNumbers = {7, 8};
    golfdb::ItemList lines;
    buildScoreLines(listing, "Ike", "Okonkwo", 8.64, lines);
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"Ike Okonkwo has a handicap of  8.6",
                                                        "  2024/01/02  80 ( 9.0) * at Alder Run"}));
}

} // namespace
} // namespace kip::handicap
