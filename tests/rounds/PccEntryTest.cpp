// The PCC field of both round editors under rule 3, and what a round entered on a course with stroke
// indexes keeps.

#include "golfdb/ScoreTable.h"
#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kip::rounds {
namespace {

golfdb::CourseRecord course() {
    golfdb::CourseRecord c;
    c.name = "Heron Bay";
    c.tee = "White";
    c.slope = 131;
    c.rating = 71.8;
    const int pars[18] = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
    const int si[18] = {1, 11, 17, 7, 3, 13, 15, 5, 9, 2, 10, 18, 6, 4, 12, 14, 8, 16};
    for (int h = 1; h <= 18; ++h) {
        c.par[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(pars[h - 1]);
        c.strokeIndex[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(si[h - 1]);
    }
    return c;
}

golfdb::GolferRecord golfer() {
    golfdb::GolferRecord g;
    g.name = "Okonkwo, Ike";
    g.handicapIndex = 12.4;
    g.handicapRounds = 20;
    return g;
}

TEST(PccEntry, TotalOnlyEditorTakesThePccUnderRuleThreeOnly) {
    test::ScriptedPrompter prompter;
    CTotalScoreDlg legacy(RoundMode::Enter, prompter, {2025, 6, 1});
    legacy.fillFromCourse("Okonkwo, Ike", course(), false);
    EXPECT_FALSE(legacy.pccShown());
    EXPECT_FALSE(legacy.changePccText("2"));

    CTotalScoreDlg dialog(RoundMode::Enter, prompter, {2025, 6, 1});
    dialog.setHandicapRule(golfdb::ruleWorld);
    dialog.fillFromCourse("Okonkwo, Ike", course(), false);
    EXPECT_TRUE(dialog.pccShown());
    EXPECT_EQ(dialog.pccText(), "0");
    dialog.changeTotalText("90");
    dialog.changePccText("4");
    EXPECT_EQ(dialog.saveAndQuit(), stayOpen);
    EXPECT_EQ(prompter.last().text, "Enter an integer between -1 and 3.");
    dialog.changePccText("-1");
    EXPECT_EQ(dialog.saveAndQuit(), platform::dialogOk);
    golfdb::ScoreRecord round;
    dialog.buildRound(round, golfer());
    EXPECT_EQ(round.pcc, -1);
    EXPECT_EQ(round.strokeIndex, course().strokeIndex);
    EXPECT_EQ(round.courseHandicap(), 14) << "12.4 x 131 / 113 + (71.8 - 72)";

    golfdb::ScoreRecord legacyRound;
    legacy.changeTotalText("90");
    ASSERT_EQ(legacy.saveAndQuit(), platform::dialogOk);
    legacy.buildRound(legacyRound, golfer());
    EXPECT_EQ(legacyRound.pcc, 0);
    EXPECT_EQ(legacyRound.courseHandicap(), 14) << "131 / 113 x 12.4 + 0.5 = 14.87, truncated";
}

TEST(PccEntry, HoleByHoleEditorKeepsPccAndPrintsTheStrokeIndexColumn) {
    test::ScriptedPrompter prompter;
    CScoresDlg dialog(RoundMode::Enter, prompter, {2025, 6, 1});
    dialog.setHandicapRule(golfdb::ruleWorld);
    dialog.fillFromCourse("Okonkwo, Ike", course(), {});
    ASSERT_TRUE(dialog.pccShown());
    for (int h = 1; h <= 18; ++h)
        dialog.typeStrokes(h, "5");
    EXPECT_TRUE(dialog.changePccText("2"));
    ASSERT_EQ(dialog.checkRound(), 0);
    golfdb::ScoreRecord round;
    dialog.buildRound(round, golfer());
    EXPECT_EQ(round.pcc, 2);
    EXPECT_EQ(round.strokeIndex[12], 18);

    CScoresDlg view(RoundMode::View, prompter, {2025, 6, 1});
    view.loadFromRound(round);
    view.prepareShow();
    const auto lines = view.cardLines();
    EXPECT_EQ(lines[2].text, "Hole \t Yardage \t Par \t Score \t Putts \t Fairway \t Green \t SI");
    EXPECT_EQ(lines[3].text.substr(lines[3].text.size() - 5), " \t  1");

    round.strokeIndex = {};
    CScoresDlg plain(RoundMode::View, prompter, {2025, 6, 1});
    plain.loadFromRound(round);
    plain.prepareShow();
    EXPECT_EQ(plain.cardLines()[2].text, "Hole \t Yardage \t Par \t Score \t Putts \t Fairway \t Green")
        << "a card without stroke indexes prints as it always did";
}

} // namespace
} // namespace kip::rounds
