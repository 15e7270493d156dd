#include "app/Leaderboard.h"
#include "app/LeaderboardLayout.h"

#include <gtest/gtest.h>

namespace kip::app {
namespace {

RoundFacts round(const std::string& golfer, int gross, int net, int putts, int year = 2026, int month = 5,
                 int day = 17) {
    RoundFacts r;
    r.golfer = golfer;
    r.gross = gross;
    r.net = net;
    r.putts = putts;
    r.year = year;
    r.month = month;
    r.day = day;
    return r;
}

TEST(Leaderboard, ResetStateShowsNoLeaders) {
    Leaderboard board(2026);
    board.offer(round("Ames, Al", 80, 70, 30));
    board.reset();
    for (int i = 0; i < Leaderboard::categoryCount; ++i) {
        EXPECT_EQ(board.category(i).best, -1);
        EXPECT_EQ(board.category(i).tieCount, 0);
        EXPECT_EQ(board.category(i).dateText, "N/A");
        EXPECT_EQ(board.category(i).leaderText, "");
    }
}

TEST(Leaderboard, TiesCountUpAndABetterRoundReplacesThem) {
    Leaderboard board(2026);
    EXPECT_EQ(board.offer(round("Ames, Al", 80, 70, 30)), 6);
    EXPECT_EQ(board.offer(round("Bell, Bo", 80, 75, 33)), 2); // ties the gross only
    const auto& gross = board.category(Leaderboard::YearGross);
    EXPECT_EQ(gross.best, 80);
    EXPECT_EQ(gross.dateText, "");
    EXPECT_EQ(gross.leaderText, " 2 tied");
    board.offer(round("Cole, Cy", 80, 90, 40));
    EXPECT_EQ(gross.leaderText, " 3 tied");
    EXPECT_EQ(board.offer(round("Dunn, Di", 79, 90, 40, 2026, 6, 1)), 2);
    EXPECT_EQ(gross.best, 79);
    EXPECT_EQ(gross.tieCount, 1);
    EXPECT_EQ(gross.dateText, "06/01/2026");
    EXPECT_EQ(gross.leaderText, "Dunn, Di");
    EXPECT_EQ(board.category(Leaderboard::YearNet).leaderText, "Ames, Al");
    EXPECT_EQ(board.offer(round("Eton, Ed", 99, 99, 99)), 0);
}

TEST(Leaderboard, LastYearChangesOnlyAllRounds) {
    Leaderboard board(2026);
    EXPECT_EQ(board.offer(round("Ames, Al", 72, 70, 28, 2025, 12, 31)), 3);
    EXPECT_EQ(board.category(Leaderboard::YearGross).best, -1);
    EXPECT_EQ(board.category(Leaderboard::AllGross).best, 72);
    EXPECT_EQ(board.category(Leaderboard::AllPutts).dateText, "12/31/2025");
}

TEST(Leaderboard, RoundsWithoutPuttFiguresStayOutOfPutts) {
    Leaderboard board(2026);
    RoundFacts totalOnly = round("Ames, Al", 75, 70, 0);
    totalOnly.countsForPutts = false;
    EXPECT_EQ(board.offer(totalOnly), 4);
    RoundFacts noStats = round("Bell, Bo", 90, 80, 25);
    noStats.countsForPutts = false;
    board.offer(noStats);
    board.offer(round("Cole, Cy", 90, 80, 0)); // a detail round whose putts total 0
    EXPECT_EQ(board.category(Leaderboard::YearPutts).best, -1);
    EXPECT_EQ(board.category(Leaderboard::AllPutts).dateText, "N/A");
    EXPECT_EQ(board.category(Leaderboard::YearGross).leaderText, "Ames, Al");
}

TEST(Leaderboard, AFirstRoundNeverTiesWithTheEmptyMarker) {
    Leaderboard board(2026);
    board.offer(round("Plus, Pat", 70, -1, 30)); // a net of -1 equals the "no leader" marker
    EXPECT_EQ(board.category(Leaderboard::YearNet).tieCount, 1);
    EXPECT_EQ(board.category(Leaderboard::YearNet).leaderText, "Plus, Pat");
    EXPECT_EQ(board.category(Leaderboard::YearNet).dateText, "05/17/2026");
}

TEST(LeaderboardLayout, LinesFollowTheCharacterGrid) {
    Leaderboard board(2026);
    board.offer(round("Ames, Al", 80, 70, 30));
    const FontMetrics m{8, 16, 26};
    const auto texts = layoutLeaderboard(board, m, false);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "Leaderboard");
    EXPECT_EQ(texts[0].x, 320);
    EXPECT_EQ(texts[0].y, 48);
    EXPECT_EQ(texts[0].font, LeaderFont::Title);
    EXPECT_EQ(texts[1].text, "Leaders For 2026");
    EXPECT_EQ(texts[1].x, 200);
    EXPECT_EQ(texts[1].y, 48 + 52);
    // Low Gross: label, value, date, leader on the next line, indented by three characters.
    EXPECT_EQ(texts[2].text, "Low Gross");
    EXPECT_EQ(texts[2].x, 224);
    EXPECT_EQ(texts[2].y, 116);
    EXPECT_EQ(texts[3].text, " 80");
    EXPECT_EQ(texts[3].x, 224 + 120);
    EXPECT_EQ(texts[4].text, "05/17/2026");
    EXPECT_EQ(texts[4].x, 224 + 160);
    EXPECT_EQ(texts[5].text, "Ames, Al");
    EXPECT_EQ(texts[5].x, 224 + 280);
    // The all-rounds heading comes seven lines after the third category.
    const auto heading = std::find_if(texts.begin(), texts.end(),
                                      [](const LeaderText& t) { return t.text == "Leaders For All Rounds"; });
    ASSERT_NE(heading, texts.end());
    EXPECT_EQ(heading->y, 116 + 2 * 16 + 7 * 16);
    EXPECT_EQ(heading->font, LeaderFont::Heading);
    EXPECT_EQ(texts.back().y, heading->y + 3 * 16);
}

TEST(LeaderboardLayout, EmptyBoardAndHiddenBoard) {
    Leaderboard board(2026);
    const FontMetrics m{8, 16, 0}; // no title font: two normal lines below the title
    const auto texts = layoutLeaderboard(board, m, false);
    EXPECT_EQ(texts[1].y, 48 + 32);
    int notAvailable = 0;
    for (const auto& t : texts) {
        EXPECT_EQ(t.text.find("-1"), std::string::npos);
        notAvailable += t.text == "N/A";
    }
    EXPECT_EQ(notAvailable, 6);
    EXPECT_EQ(texts.size(), 2u + 1u + 6u * 3u);
    EXPECT_TRUE(layoutLeaderboard(board, m, true).empty());
}

} // namespace
} // namespace kip::app
