#include "rounds/CTotalScoreDlg.h"

#include "RoundCardData.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kip::rounds {
namespace {

constexpr platform::Date today{2026, 12, 9};

struct Quick {
    test::ScriptedPrompter prompter;
    CTotalScoreDlg dlg;
    explicit Quick(bool checksOff = false) : dlg(RoundMode::Enter, prompter, today) {
        dlg.fillFromCourse("Palmer, Arnold", test::sampleCourse(), checksOff);
    }
};

TEST(CTotalScoreDlg, TotalIsCheckedAndQuestionedWhenExcessive) {
    Quick q;
    EXPECT_EQ(q.dlg.title(), "Enter Round for Arnold Palmer");
    EXPECT_EQ(q.dlg.totalPar(), 72);
    EXPECT_EQ(q.dlg.ratingText(), "70.1");
    q.dlg.changeTotalText("");
    EXPECT_EQ(q.dlg.saveAndQuit(), stayOpen);
    EXPECT_EQ(q.prompter.last().text, "Enter a positive integer.");
    q.dlg.changeTotalText("-5");
    EXPECT_EQ(q.dlg.saveAndQuit(), stayOpen);
    EXPECT_EQ(q.prompter.last().text, "Enter a positive integer.");
    q.dlg.changeTotalText("1000");
    EXPECT_EQ(q.dlg.saveAndQuit(), stayOpen);
    EXPECT_EQ(q.prompter.last().text, "Enter an integer between 0 and 999.");
    const auto before = q.prompter.shown.size();

    q.dlg.changeTotalText("300");
    EXPECT_EQ(q.dlg.saveAndNewRound(), resultSaveAndNewRound);
    EXPECT_EQ(q.prompter.shown.size(), before);

    q.dlg.changeTotalText("301");
    q.prompter.answer(platform::Answer::Cancel);
    EXPECT_EQ(q.dlg.saveAndNewGolfer(), stayOpen);
    EXPECT_EQ(q.prompter.last().text,
              "The total strokes seems excessively high. OK to accept, Cancel to correct.");
    EXPECT_EQ(q.prompter.last().caption, "Score Error");
    EXPECT_EQ(q.prompter.last().buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(q.dlg.totalText(), "301");
    q.prompter.answer(platform::Answer::Ok);
    EXPECT_EQ(q.dlg.saveAndNewGolfer(), resultSaveAndNewGolfer);

    Quick lenient(true);
    lenient.dlg.changeTotalText("0");
    EXPECT_EQ(lenient.dlg.saveAndQuit(), platform::dialogOk);
    lenient.dlg.changeTotalText("999");
    EXPECT_EQ(lenient.dlg.saveAndQuit(), platform::dialogOk);
    EXPECT_TRUE(lenient.prompter.shown.empty());
}

TEST(CTotalScoreDlg, APlayedRoundIsDatedFrom1900On) {
    Quick q;
    q.dlg.changeTotalText("85");
    for (const platform::Date date :
         {platform::Date{1899, 12, 31}, platform::Date{1001, 1, 5}, platform::Date{2026, 13, 1}}) {
        q.dlg.setDatePlayed(date);
        EXPECT_EQ(q.dlg.saveAndQuit(), stayOpen);
        EXPECT_EQ(q.prompter.last().text, "Date round played is invalid");
        EXPECT_EQ(q.prompter.last().caption, "Score Error");
    }
    q.dlg.setDatePlayed({1900, 1, 1});
    EXPECT_EQ(q.dlg.saveAndQuit(), platform::dialogOk);
}

TEST(CTotalScoreDlg, BuiltRoundIsTotalOnlyWithoutStrokeControl) {
    Quick q;
    q.dlg.setDatePlayed({2026, 3, 14});
    q.dlg.changeTotalText("95");
    ASSERT_EQ(q.dlg.saveAndQuit(), platform::dialogOk);
    golfdb::GolferRecord golfer;
    golfer.handicapIndex = 20.0;
    golfer.handicapRounds = 12;
    golfdb::ScoreRecord round;
    round.strokes[4] = 9;
    q.dlg.buildRound(round, golfer);
    EXPECT_EQ(round.flags, golfdb::flagTotalOnly | golfdb::flagNoFairwayStats | golfdb::flagCourseHandicap);
    EXPECT_EQ(round.yardage[0], 21); // 120 / 113 * 20 + 0.5
    EXPECT_EQ(round.yardage[1], 120);
    EXPECT_EQ(round.strokes[4], 0);
    EXPECT_EQ(round.totalStrokes, 95);
    EXPECT_EQ(round.month, 3);
    EXPECT_NEAR(round.differential, 23.4, 0.051);
}

TEST(CTotalScoreDlg, ChangeAndViewShowTheStoredRound) {
    golfdb::ScoreRecord stored;
    static_cast<golfdb::CourseRecord&>(stored) =
        test::sampleCourse(golfdb::flagTotalOnly | golfdb::flagCourseHandicap);
    stored.golfer = "Palmer, Arnold";
    stored.yardage[0] = 7;
    stored.month = 8;
    stored.day = 9;
    stored.year = 2025;
    stored.strokes[1] = 80; // a row written without TOTSTROKES
    test::ScriptedPrompter prompter;

    CTotalScoreDlg change(RoundMode::Change, prompter, today);
    change.loadFromRound(stored);
    EXPECT_EQ(change.totalText(), "80");
    EXPECT_FALSE(change.newRoundButtonsShown());
    EXPECT_TRUE(change.cancelShown());
    EXPECT_TRUE(change.dateEnabled());
    EXPECT_EQ(change.saveAndNewRound(), stayOpen);
    EXPECT_EQ(change.saveAndQuit(), platform::dialogOk);
    golfdb::ScoreRecord round;
    change.buildRound(round, golfdb::GolferRecord{});
    EXPECT_EQ(round.yardage[0], 7);
    EXPECT_EQ(round.totalStrokes, 80);

    stored.totalStrokes = 88;
    CTotalScoreDlg view(RoundMode::View, prompter, today);
    view.loadFromRound(stored);
    EXPECT_EQ(view.title(), "View Round for Arnold Palmer");
    EXPECT_EQ(view.saveAndQuitCaption(), "OK");
    EXPECT_FALSE(view.cancelShown());
    EXPECT_TRUE(view.printShown());
    EXPECT_FALSE(view.dateEnabled());
    EXPECT_FALSE(view.changeTotalText("1"));
    EXPECT_EQ(view.saveAndQuit(), platform::dialogOk);
    const auto lines = view.cardLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "View Round for Arnold Palmer");
    EXPECT_EQ(lines[1].text, "Pine Valley Links   Blue Tees   Rating/Slope: 70.1/120  Par: 72");
    EXPECT_EQ(lines[2].text, "Round played on 08/09/2025 and the score was 88");
    for (const auto& line : lines)
        EXPECT_EQ(line.advance, 2);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(CTotalScoreDlg, NextRoundStartsFromZeroWithTheSameCourseAndDate) {
    Quick q;
    q.dlg.setDatePlayed({2026, 2, 2});
    q.dlg.changeTotalText("90");
    test::ScriptedDialogHost host;
    host.on<CTotalScoreDlg>([](CTotalScoreDlg& d) { return d.saveAndNewGolfer(); });
    ASSERT_EQ(q.dlg.run(host), resultSaveAndNewGolfer);
    q.dlg.clearTotal();
    q.dlg.setGolfer("Player, Gary");
    EXPECT_EQ(q.dlg.totalText(), "0");
    EXPECT_EQ(q.dlg.title(), "Enter Round for Gary Player");
    EXPECT_EQ(q.dlg.datePlayed().day, 2);
    EXPECT_EQ(q.dlg.courseName(), "Pine Valley Links");
}

} // namespace
} // namespace kip::rounds
