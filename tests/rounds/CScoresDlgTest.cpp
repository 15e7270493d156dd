#include "rounds/CScoresDlg.h"

#include "RoundCardData.h"
#include "support/Doubles.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace kip::rounds {
namespace {

using test::parRound;

constexpr platform::Date today{2026, 12, 9};

RoundEntrySettings pointsSettings() {
    RoundEntrySettings s;
    s.points.usePoints = true;
    s.points.values = {5, 3, 1, 0, -1};
    return s;
}

struct Editor {
    test::ScriptedPrompter prompter;
    CScoresDlg dlg;
    explicit Editor(RoundMode mode = RoundMode::Enter, RoundEntrySettings settings = {},
                    std::uint8_t courseFlags = 0)
        : dlg(mode, prompter, today) {
        dlg.fillFromCourse("Palmer, Arnold", test::sampleCourse(courseFlags), settings);
        dlg.prepareShow();
    }
};

golfdb::ScoreRecord storedRound(bool points) {
    golfdb::ScoreRecord round;
    static_cast<golfdb::CourseRecord&>(round) =
        test::sampleCourse(golfdb::flagMetres | golfdb::flagCourseHandicap);
    round.golfer = "Palmer, Arnold";
    round.yardage[0] = 11;
    round.month = 6;
    round.day = 2;
    round.year = 2025;
    for (int h = 1; h <= 18; ++h) {
        round.strokes[static_cast<std::size_t>(h)] =
            static_cast<std::int8_t>(parRound[static_cast<std::size_t>(h)] + 1);
        round.putts[static_cast<std::size_t>(h)] = 2;
        round.holeFlags[static_cast<std::size_t>(h)] =
            h % 2 ? golfdb::holeFairwayHit : golfdb::holeGreenInRegulation;
    }
    if (points)
        round.storePoints({true, {4, 3, 2, 1, 0}, 18});
    return round;
}

TEST(CScoresDlg, EachModeShowsEnablesAndCaptionsItsElements) {
    Editor enter(RoundMode::Enter, pointsSettings());
    EXPECT_EQ(enter.dlg.title(), "Enter Round for Arnold Palmer");
    EXPECT_TRUE(enter.dlg.textFileButtonsShown());
    EXPECT_TRUE(enter.dlg.newRoundButtonsShown());
    EXPECT_EQ(enter.dlg.saveAndQuitCaption(), "Save and Quit");
    EXPECT_TRUE(enter.dlg.cancelShown());
    EXPECT_FALSE(enter.dlg.printShown());
    EXPECT_FALSE(enter.dlg.pointsShown());
    EXPECT_TRUE(enter.dlg.keepPointsEnabled());
    EXPECT_TRUE(enter.dlg.card().keepPoints);
    EXPECT_FALSE(enter.dlg.metresNoteShown());
    EXPECT_EQ(enter.dlg.initialFocus(), Focus{Focus::DatePicker});
    EXPECT_FALSE(enter.dlg.fairwayEnabled(3)); // par 3
    EXPECT_TRUE(enter.dlg.fairwayEnabled(1));
    EXPECT_TRUE(enter.dlg.greenEnabled(3));
    EXPECT_EQ(enter.dlg.card().strokesText[1], "0");

    Editor noPoints;
    EXPECT_FALSE(noPoints.dlg.keepPointsEnabled());
    EXPECT_FALSE(noPoints.dlg.card().keepPoints);

    test::ScriptedPrompter prompter;
    CScoresDlg change(RoundMode::Change, prompter, today);
    change.loadFromRound(storedRound(false));
    change.applyChangeSettings(pointsSettings());
    change.prepareShow();
    EXPECT_EQ(change.title(), "Change Round for Arnold Palmer");
    EXPECT_FALSE(change.textFileButtonsShown());
    EXPECT_FALSE(change.newRoundButtonsShown());
    EXPECT_TRUE(change.cancelShown());
    EXPECT_TRUE(change.keepPointsEnabled());
    EXPECT_FALSE(change.card().keepPoints);
    EXPECT_EQ(change.card().pointValues, (PointValues{5, 3, 1, 0, -1}));
    EXPECT_TRUE(change.metresNoteShown());
    EXPECT_FALSE(change.fairwayEnabled(7));

    CScoresDlg view(RoundMode::View, prompter, today);
    view.loadFromRound(storedRound(false));
    view.prepareShow();
    EXPECT_EQ(view.saveAndQuitCaption(), "OK");
    EXPECT_FALSE(view.cancelShown());
    EXPECT_TRUE(view.printShown());
    EXPECT_FALSE(view.pointsShown());
    EXPECT_FALSE(view.optionsEnabled());
    EXPECT_FALSE(view.skipPuttsEnabled());
    EXPECT_FALSE(view.holeFieldsEditable());
    EXPECT_FALSE(view.fairwayEnabled(1));
    EXPECT_FALSE(view.greenEnabled(1));
    EXPECT_FALSE(view.keepPointsEnabled());
    EXPECT_EQ(view.initialFocus(), Focus{Focus::SaveAndQuit});
    EXPECT_FALSE(view.typeStrokes(1, "9").kind != Focus::Stay);
    EXPECT_EQ(view.card().strokesText[1], "5");
    // Yardages of a metres course are shown as stored.
    EXPECT_EQ(view.card().yardage[1], 120);
    EXPECT_EQ(view.saveAndQuit(), platform::dialogOk);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(CScoresDlg, ViewOfAPointsRoundShowsItsPointsAndRules) {
    test::ScriptedPrompter prompter;
    CScoresDlg view(RoundMode::View, prompter, today);
    view.loadFromRound(storedRound(true));
    view.prepareShow();
    EXPECT_TRUE(view.pointsShown());
    EXPECT_EQ(view.card().pointsText, "18");
    view.showPointsRules();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.last().text, "Eagle = 4  Birdie = 3  Par = 2  Bogie = 1  Double = 0");
    EXPECT_EQ(prompter.last().caption, "Points Rules for This Round");
}

TEST(CScoresDlg, LoadedRoundShowsItsTotals) {
    test::ScriptedPrompter prompter;
    CScoresDlg view(RoundMode::View, prompter, today);
    golfdb::ScoreRecord round = storedRound(false);
    round.flags |= golfdb::flagTotalOnly;
    view.loadFromRound(round);
    view.prepareShow();
    const ScoresCard& c = view.card();
    EXPECT_TRUE(c.noFairwayStats);
    EXPECT_EQ(c.outPar, 36);
    EXPECT_EQ(c.totalPar, 72);
    EXPECT_EQ(c.outYardage, 1800); // 120 + 140 + ... + 280
    EXPECT_EQ(c.totalYardage, 5220);
    EXPECT_EQ(c.outStrokes, 45);
    EXPECT_EQ(c.totalStrokes, 90);
    EXPECT_EQ(c.totalPutts, 36);
    EXPECT_EQ(c.fairwaysHit, 9);
    EXPECT_EQ(c.greensHit, 9);
    EXPECT_EQ(c.yardage[0], 11);

    // A byte written by a program that stored 200 strokes shows as 200 and cannot be saved so.
    round.strokes[5] = static_cast<std::int8_t>(200);
    CScoresDlg change(RoundMode::Change, prompter, today);
    change.loadFromRound(round);
    EXPECT_EQ(change.card().strokesText[5], "200");
    EXPECT_EQ(change.saveAndQuit(), stayOpen);
    EXPECT_EQ(prompter.last().text, "Enter an integer between 0 and 127.");
    EXPECT_EQ((platform::Date{c.datePlayed.year, c.datePlayed.month, c.datePlayed.day}.month), 6);
}

TEST(CScoresDlg, AutomaticTabbingFollowsTheTypedText) {
    Editor e;
    CScoresDlg& d = e.dlg;
    EXPECT_EQ(d.typeStrokes(3, "5"), (Focus{Focus::Putts, 3}));
    EXPECT_EQ(d.typePutts(3, "2"), (Focus{Focus::Strokes, 4}));
    EXPECT_EQ(d.typeStrokes(4, "1"), Focus{});
    EXPECT_EQ(d.typeStrokes(4, "10"), (Focus{Focus::Putts, 4}));
    EXPECT_EQ(d.typeStrokes(4, ""), Focus{});
    EXPECT_EQ(d.typePutts(5, ""), Focus{});
    EXPECT_EQ(d.typePutts(18, "2"), Focus{Focus::SaveAndQuit});
    EXPECT_EQ(d.typeStrokes(5, "4x"), Focus{});
    EXPECT_EQ(d.card().strokesText[5], "0"); // not digits: refused

    d.setSkipPutts(true);
    EXPECT_EQ(d.typeStrokes(17, "4"), (Focus{Focus::Strokes, 18}));
    EXPECT_EQ(d.typeStrokes(18, "4"), Focus{Focus::SaveAndQuit});

    d.setAutomaticTabbingOff(true);
    EXPECT_FALSE(d.skipPutts());
    EXPECT_FALSE(d.skipPuttsEnabled());
    d.setSkipPutts(true);
    EXPECT_FALSE(d.skipPutts());
    EXPECT_EQ(d.typeStrokes(6, "5"), Focus{});
    EXPECT_EQ(d.typePutts(6, "2"), Focus{});
}

TEST(CScoresDlg, EmptyFieldLeftBecomesZeroWithoutMovingTheFocus) {
    Editor e;
    CScoresDlg& d = e.dlg;
    d.typeStrokes(2, "");
    EXPECT_EQ(d.leaveStrokes(2), Focus{});
    EXPECT_EQ(d.card().strokesText[2], "0");
    // The one-shot flag was used up by the field's own change: the next typing moves on.
    EXPECT_EQ(d.typeStrokes(2, "6"), (Focus{Focus::Putts, 2}));
    d.typePutts(2, "");
    d.leavePutts(2);
    EXPECT_EQ(d.card().puttsText[2], "0");
    EXPECT_EQ(d.typePutts(2, "3"), (Focus{Focus::Strokes, 3}));
}

TEST(CScoresDlg, GreenInRegulationIsSetWhenThePuttsFieldIsLeft) {
    Editor e;
    CScoresDlg& d = e.dlg;
    d.typeStrokes(1, "4");
    d.leaveStrokes(1);
    d.typePutts(1, "2");
    d.leavePutts(1);
    EXPECT_TRUE(d.card().green[1]);
    EXPECT_EQ(d.card().greensHit, 1);

    d.typeStrokes(1, "5");
    d.leaveStrokes(1);
    EXPECT_TRUE(d.card().green[1]); // strokes alone do not re-apply the rule
    d.leavePutts(1);
    EXPECT_FALSE(d.card().green[1]);
    EXPECT_EQ(d.card().greensHit, 0);

    d.typeStrokes(2, "2");
    d.leaveStrokes(2);
    d.typePutts(2, "3");
    d.leavePutts(2);
    EXPECT_FALSE(d.card().green[2]);

    d.setGreen(2, true);
    EXPECT_EQ(d.card().greensHit, 1);
    d.leavePutts(2);
    EXPECT_FALSE(d.card().green[2]);
    EXPECT_TRUE(d.changed());
}

TEST(CScoresDlg, TotalsFollowTheFieldsAsTheyAreLeft) {
    Editor e;
    CScoresDlg& d = e.dlg;
    EXPECT_EQ(d.card().totalPar, 72);
    EXPECT_EQ(d.card().totalStrokes, 0);
    test::typeRound(d, parRound);
    const ScoresCard& c = d.card();
    EXPECT_EQ(c.outStrokes, 36);
    EXPECT_EQ(c.inStrokes, 36);
    EXPECT_EQ(c.totalStrokes, 72);
    EXPECT_EQ(c.totalPutts, 32);
    EXPECT_EQ(c.greensHit, 14); // par 3s in three with one putt miss the green
    d.setFairway(1, true);
    d.setFairway(3, true); // par 3: no fairway
    d.setFairway(2, true);
    EXPECT_EQ(d.card().fairwaysHit, 2);
    d.setFairway(2, false);
    EXPECT_EQ(d.card().fairwaysHit, 1);
}

TEST(CScoresDlg, StrokesAreColouredByTheirResultAgainstPar) {
    Editor e;
    CScoresDlg& d = e.dlg;
    d.changeStrokesText(4, "3"); // par 5
    EXPECT_EQ(d.strokeColour(4), StrokeColour::EagleOrBetter);
    d.changeStrokesText(4, "4");
    EXPECT_EQ(d.strokeColour(4), StrokeColour::Birdie);
    d.changeStrokesText(4, "5");
    EXPECT_EQ(d.strokeColour(4), StrokeColour::Par);
    d.changeStrokesText(4, "6");
    EXPECT_EQ(d.strokeColour(4), StrokeColour::Normal);
    d.changeStrokesText(4, "0");
    EXPECT_EQ(d.strokeColour(4), StrokeColour::Normal);
    d.changeStrokesText(4, "");
    EXPECT_EQ(d.strokeColour(4), StrokeColour::Normal);
    EXPECT_EQ(colourOf(StrokeColour::EagleOrBetter), (platform::Colour{0, 128, 0}));
    EXPECT_EQ(colourOf(StrokeColour::Birdie), (platform::Colour{255, 0, 0}));
    EXPECT_EQ(colourOf(StrokeColour::Par), (platform::Colour{0, 0, 255}));
}

TEST(CScoresDlg, CheckRoundRefusesAnIncompleteCardAndTooManyPutts) {
    Editor e;
    CScoresDlg& d = e.dlg;
    test::typeRound(d, parRound);
    d.typeStrokes(7, "0");
    d.leaveStrokes(7);
    EXPECT_EQ(d.saveAndQuit(), stayOpen);
    ASSERT_EQ(e.prompter.shown.size(), 1u);
    EXPECT_EQ(e.prompter.last().text, "You must enter a score on every hole");
    EXPECT_EQ(e.prompter.last().caption, "Score Error");
    EXPECT_EQ(e.prompter.last().icon, platform::Icon::Error);

    d.typeStrokes(7, "2");
    d.leaveStrokes(7);
    d.typePutts(7, "3");
    d.leavePutts(7);
    EXPECT_EQ(d.saveAndNewRound(), stayOpen);
    EXPECT_EQ(e.prompter.last().text, "The number of putts is greater than strokes for hole 7");

    Editor lenient(RoundMode::Enter, RoundEntrySettings{true, {}});
    test::typeRound(lenient.dlg, parRound);
    lenient.dlg.typeStrokes(7, "2");
    lenient.dlg.typePutts(7, "3");
    EXPECT_EQ(lenient.dlg.saveAndNewGolfer(), resultSaveAndNewGolfer);
    EXPECT_TRUE(lenient.prompter.shown.empty());
    EXPECT_EQ(lenient.dlg.card().month, 12);
    EXPECT_EQ(lenient.dlg.card().year, 2026);
}

TEST(CScoresDlg, APlayedRoundIsDatedFrom1900On) {
    Editor e;
    CScoresDlg& d = e.dlg;
    test::typeRound(d, parRound);
    // Before 1900 (a year of 1000 to 1009 would make the row a starting handicap), or no date at all.
    for (const platform::Date date : {platform::Date{1899, 12, 31}, platform::Date{1005, 1, 10},
                                      platform::Date{2026, 2, 30}, platform::Date{0, 0, 0}}) {
        d.setDatePlayed(date);
        EXPECT_EQ(d.saveAndQuit(), stayOpen);
        EXPECT_EQ(e.prompter.last().text, "Date round played is invalid");
        EXPECT_EQ(e.prompter.last().caption, "Score Error");
        EXPECT_EQ(e.prompter.last().icon, platform::Icon::Error);
    }
    const auto shown = e.prompter.shown.size();
    d.setDatePlayed({1900, 1, 1});
    EXPECT_EQ(d.saveAndQuit(), platform::dialogOk);
    EXPECT_EQ(e.prompter.shown.size(), shown);
    EXPECT_EQ(d.card().year, 1900);
}

TEST(CScoresDlg, ValuesAboveOneByteAreRefusedAndTheFieldTakesTheFocusBack) {
    Editor e;
    CScoresDlg& d = e.dlg;
    d.setAutomaticTabbingOff(true);
    d.typeStrokes(5, "128");
    EXPECT_EQ(d.leaveStrokes(5), (Focus{Focus::Strokes, 5}));
    ASSERT_EQ(e.prompter.shown.size(), 1u);
    EXPECT_EQ(e.prompter.last().text, "Enter an integer between 0 and 127.");
    EXPECT_FALSE(d.changed());
    d.typeStrokes(5, "127");
    EXPECT_EQ(d.leaveStrokes(5), Focus{});
    EXPECT_EQ(d.card().strokes[5], 127);

    test::typeRound(d, parRound);
    d.typePutts(9, "200");
    EXPECT_EQ(d.saveAndQuit(), stayOpen);
    EXPECT_EQ(e.prompter.last().text, "Enter an integer between 0 and 127.");
    EXPECT_EQ(d.card().putts[9], 2);
}

TEST(CScoresDlg, CancelAsksOnceAfterAChange) {
    Editor e;
    EXPECT_EQ(e.dlg.cancel(), platform::dialogCancel);
    EXPECT_TRUE(e.prompter.shown.empty());

    e.dlg.typeStrokes(1, "5");
    e.dlg.leaveStrokes(1);
    e.prompter.answer(platform::Answer::No);
    EXPECT_EQ(e.dlg.cancel(), stayOpen);
    ASSERT_EQ(e.prompter.shown.size(), 1u);
    EXPECT_EQ(e.prompter.last().text, "Information has been changed but not saved, quit anyway?");
    EXPECT_EQ(e.prompter.last().caption, "Data not saved");
    EXPECT_EQ(e.prompter.last().buttons, platform::Buttons::YesNo);
    EXPECT_EQ(e.dlg.cancel(), platform::dialogCancel);
    EXPECT_EQ(e.prompter.shown.size(), 1u);
}

TEST(CScoresDlg, SavedRoundBuildsTheScoreRecordWithPointsHandicapAndDifferential) {
    Editor e(RoundMode::Enter, pointsSettings());
    CScoresDlg& d = e.dlg;
    auto strokes = parRound;
    strokes[10] = 3; // one birdie
    test::typeRound(d, strokes);
    d.setFairway(1, true);
    d.setNoFairwayStats(true);
    d.setDatePlayed({2026, 7, 4});
    EXPECT_EQ(d.saveAndNewRound(), resultSaveAndNewRound);
    EXPECT_EQ(d.card().totalPoints, 17 + 3);
    EXPECT_FALSE(d.changed());

    golfdb::GolferRecord golfer;
    golfer.handicapIndex = 10.0;
    golfer.handicapRounds = 5;
    golfdb::ScoreRecord round;
    d.buildRound(round, golfer);
    EXPECT_EQ(round.golfer, "Palmer, Arnold");
    EXPECT_EQ(round.name, "Pine Valley Links");
    EXPECT_EQ(round.totalStrokes, 71);
    EXPECT_EQ(round.strokes[10], 3);
    EXPECT_EQ(round.putts[3], 1);
    EXPECT_EQ(round.holeFlags[1], golfdb::holeFairwayHit | golfdb::holeGreenInRegulation);
    EXPECT_EQ(round.holeFlags[2], golfdb::holeGreenInRegulation);
    EXPECT_EQ(round.month, 7);
    EXPECT_EQ(round.day, 4);
    EXPECT_EQ(round.year, 2026);
    EXPECT_EQ(round.flags, golfdb::flagNoFairwayStats | golfdb::flagPointsRound | golfdb::flagCourseHandicap);
    EXPECT_EQ(round.yardage[0], 11); // 120 / 113 * 10 + 0.5
    EXPECT_EQ(round.totalPoints, 20);
    EXPECT_EQ(round.pointValues[0], 5);
    EXPECT_NEAR(round.differential, (71 - 70.1) * 113.0 / 120.0, 0.051);
}

TEST(CScoresDlg, ChangedRoundKeepsItsCourseHandicapAndStoredPointsWhenPointsAreOff) {
    test::ScriptedPrompter prompter;
    CScoresDlg d(RoundMode::Change, prompter, today);
    golfdb::ScoreRecord stored = storedRound(true);
    stored.flags |= golfdb::flagTotalOnly;
    d.loadFromRound(stored);
    d.applyChangeSettings({});
    d.prepareShow();
    EXPECT_FALSE(d.keepPointsEnabled());
    EXPECT_TRUE(d.card().keepPoints);
    d.typeStrokes(1, "3");
    d.leaveStrokes(1);
    EXPECT_EQ(d.saveAndQuit(), platform::dialogOk);

    golfdb::GolferRecord golfer;
    golfer.handicapIndex = 30.0;
    golfdb::ScoreRecord round;
    d.buildRound(round, golfer);
    EXPECT_EQ(round.yardage[0], 11);
    EXPECT_EQ(round.flags & golfdb::flagTotalOnly, 0);
    EXPECT_NE(round.flags & golfdb::flagNoFairwayStats, 0);
    EXPECT_EQ(round.totalPoints, 18);
    EXPECT_EQ(round.pointValues[1], 3);
    EXPECT_EQ(round.month, 6);

    CScoresDlg unchecked(RoundMode::Change, prompter, today);
    unchecked.loadFromRound(storedRound(true));
    unchecked.applyChangeSettings(pointsSettings());
    unchecked.setKeepPoints(false);
    EXPECT_EQ(unchecked.saveAndQuit(), platform::dialogOk);
    unchecked.buildRound(round, golfer);
    EXPECT_EQ(round.flags & golfdb::flagPointsRound, 0);
    EXPECT_EQ(round.totalPoints, 0);
}

TEST(CScoresDlg, EnterModeCarriesDateOptionsAndCourseToTheNextRound) {
    Editor e;
    CScoresDlg& d = e.dlg;
    d.setDatePlayed({2026, 5, 1});
    d.setSkipPutts(true);
    test::typeRound(d, parRound);
    test::ScriptedDialogHost host;
    host.on<CScoresDlg>([](CScoresDlg& shown) { return shown.saveAndNewGolfer(); });
    EXPECT_EQ(d.run(host), resultSaveAndNewGolfer);
    d.clearHoles();
    d.setGolfer("Nicklaus, Jack");
    host.on<CScoresDlg>([](CScoresDlg& shown) {
        EXPECT_EQ(shown.title(), "Enter Round for Jack Nicklaus");
        EXPECT_EQ(shown.card().datePlayed.month, 5);
        EXPECT_TRUE(shown.skipPutts());
        EXPECT_EQ(shown.card().totalPar, 72);
        EXPECT_EQ(shown.card().totalStrokes, 0);
        EXPECT_EQ(shown.card().greensHit, 0);
        EXPECT_EQ(shown.card().strokesText[4], "0");
        return shown.cancel();
    });
    EXPECT_EQ(d.run(host), platform::dialogCancel);
}

TEST(CScoresDlg, CardLinesAreThePrintedRound) {
    test::ScriptedPrompter prompter;
    CScoresDlg view(RoundMode::View, prompter, today);
    view.loadFromRound(storedRound(false));
    view.prepareShow();
    const auto lines = view.cardLines();
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0].text, "View Round for Arnold Palmer played on 06/02/2025");
    EXPECT_EQ(lines[0].advance, 2);
    EXPECT_EQ(lines[1].text, "Pine Valley Links   Blue Tees   Rating/Slope: 70.1/120");
    EXPECT_EQ(lines[2].text, "Hole \t Yardage \t Par \t Score \t Putts \t Fairway \t Green");
    EXPECT_EQ(lines[2].advance, 1);
    EXPECT_EQ(lines[3].text, " 1 \t  120 \t  4 \t   5 \t    2 \t    Y \t    ");
    EXPECT_EQ(lines[4].text, " 2 \t  140 \t  4 \t   5 \t    2 \t      \t   Y");
    EXPECT_EQ(lines[12].text, std::string(65, '-'));
    EXPECT_EQ(lines[13].text, "Front 9 \t 1800 \t 36 \t  45");
    EXPECT_EQ(lines[13].advance, 2);
    EXPECT_EQ(lines[14].text, "10 \t  300 \t  4 \t   5 \t    2 \t      \t   Y");
    EXPECT_EQ(lines[23].text, std::string(65, '-'));
    EXPECT_EQ(lines[24].text, "Back 9 \t 3420 \t 36 \t  45");
    EXPECT_EQ(lines[24].advance, 2);
    EXPECT_EQ(lines[25].text, "Total \t 5220 \t 72 \t  90 \t   36 \t    9 \t   9");
}

TEST(CScoresDlg, PrintRoundPutsTheCardOnOnePageInCourier) {
    test::ScriptedPrompter prompter;
    CScoresDlg view(RoundMode::View, prompter, today);
    view.loadFromRound(storedRound(false));
    view.prepareShow();
    test::RecordingPrinter printer;
    printer.pageHeight = 1000;
    printer.cancel = true;
    EXPECT_FALSE(view.printRound(printer));
    EXPECT_TRUE(printer.documents.empty());
    printer.cancel = false;
    ASSERT_TRUE(view.printRound(printer));
    const test::PrintedDocument& doc = printer.last();
    EXPECT_EQ(doc.request.documentName, "Kip Golf Total Round");
    EXPECT_EQ(doc.request.font.face, "Courier");
    EXPECT_EQ(doc.pages, 1);
    ASSERT_EQ(doc.texts.size(), 26u);
    EXPECT_EQ(doc.texts[0].y, 70);
    EXPECT_EQ(doc.texts[0].x, 6);
    EXPECT_EQ(doc.texts[1].y, 90);
    EXPECT_EQ(doc.texts[2].y, 110);
    EXPECT_TRUE(doc.texts[2].tabbed);
    EXPECT_EQ(doc.texts[2].stops.at(0), 60); // every ten character widths
    EXPECT_TRUE(doc.finished);
}

} // namespace
} // namespace kip::rounds
