#include "rounds/RoundCommands.h"

#include "handicap/HandicapIndex.h"
#include "handicap/IndexText.h"
#include "manage/CSelectPersonDlg.h"
#include "manage/CourseSelection.h"
#include "manage/RecentCourses.h"
#include "platform/TextFormat.h"
#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "rounds/RoundEntry.h"
#include "rounds/RoundSelectionDlgs.h"
#include "rounds/RoundViewing.h"

#include <optional>

namespace kip::rounds {
namespace {

using platform::Buttons;
using platform::Icon;

constexpr const char* roundCaption = "Round Information";

void databaseError(platform::Prompter& prompter, const char* text) {
    prompter.show({text, "Database Error", Icon::Error, Buttons::Ok});
}

// Select Golfer and the chosen row read: its key, or nothing (after a message when unreadable).
std::optional<std::string> chooseGolfer(RoundServices& s) {
    const auto chosen = manage::selectGolfer(s.dialogs, s.doc);
    if (!chosen)
        return std::nullopt;
    if (s.doc.golferTable().goTo(*chosen) != store::storeOk) {
        databaseError(s.prompter, "Error reading golfer information from database!");
        return std::nullopt;
    }
    return s.doc.golferTable().record().name;
}

void clearForNext(CScoresDlg& dialog) {
    dialog.clearHoles();
}
void clearForNext(CTotalScoreDlg& dialog) {
    dialog.clearTotal();
}
std::optional<int> keptPoints(const CScoresDlg& dialog) {
    return dialog.card().keepPoints ? std::optional<int>(dialog.card().totalPoints) : std::nullopt;
}
std::optional<int> keptPoints(const CTotalScoreDlg&) {
    return std::nullopt;
}

std::string savedText(const std::string& golferKey, double index, std::optional<int> points, int rule) {
    const golfdb::NameParts names = golfdb::splitGolferName(golferKey);
    const std::string shown = handicap::indexText(index, 3, rule);
    if (points)
        return platform::formatText(
            "Round saved and %s %s's handicap is now %s\n\nTotal points for round were %d ",
            names.first.c_str(), names.last.c_str(), shown.c_str(), *points);
    return platform::formatText("Round saved and %s %s's handicap is now %s ", names.first.c_str(),
                                names.last.c_str(), shown.c_str());
}

// Recalculates the golfer's index from the stored rounds and writes it with the count.
double storeNewIndex(golfdb::CKipGolfDoc& doc, const std::string& golferKey) {
    const handicap::HandicapResult result = handicap::computeHandicapIndex(doc.scoreTable(), golferKey);
    golfdb::GolferTable& golfers = doc.golferTable();
    if (golfers.find(golferKey) == store::storeOk) {
        golfers.record().handicapIndex = result.index;
        golfers.record().handicapRounds = result.counted;
        golfers.change();
    }
    return result.index;
}

// Appends the dialog's round; 0 (a refused duplicate counts as written) or the store's result.
template <class Dialog>
int appendRound(golfdb::CKipGolfDoc& doc, const Dialog& dialog, const std::string& key) {
    golfdb::GolferTable& golfers = doc.golferTable();
    golfdb::GolferRecord golfer;
    if (golfers.find(key) == store::storeOk)
        golfer = golfers.record();
    golfdb::ScoreTable& scores = doc.scoreTable();
    scores.record().clear();
    dialog.buildRound(scores.record(), golfer);
    const int rc = scores.add();
    return rc == store::storeDuplicateKey ? store::storeOk : rc;
}

template <class Dialog> int editorLoop(RoundServices& s, Dialog& dialog, std::string golferKey) {
    int saved = 0;
    for (;;) {
        const int result = dialog.run(s.dialogs);
        if (result != platform::dialogOk && result != resultSaveAndNewRound &&
            result != resultSaveAndNewGolfer)
            return saved;
        const int rc = appendRound(s.doc, dialog, golferKey);
        std::string text;
        bool written = rc == store::storeOk;
        if (written) {
            ++saved;
            const golfdb::ScoreRecord round = s.doc.scoreTable().record();
            if (s.offerRound)
                s.offerRound(round);
            const double index = storeNewIndex(s.doc, golferKey);
            s.doc.syncAll();
            text = savedText(golferKey, index, keptPoints(dialog), s.doc.handicapRule());
            if (result != platform::dialogOk)
                clearForNext(dialog);
        } else {
            text = "Could not save round, database error rc = " + std::to_string(rc);
        }
        if (!(written && result == resultSaveAndNewRound))
            s.prompter.show({text, roundCaption, Icon::Information, Buttons::Ok});
        if (result == platform::dialogOk)
            return saved;
        if (result == resultSaveAndNewGolfer && written) {
            const auto next = chooseGolfer(s);
            if (!next)
                return saved;
            golferKey = *next;
            dialog.setGolfer(golferKey);
        }
    }
}

// Select Round for the golfer, then its row read: the round's record number, or nothing.
std::optional<long> chooseRound(RoundServices& s, const std::string& golferKey) {
    const golfdb::NameParts names = golfdb::splitGolferName(golferKey);
    CSelectScoreDlg dialog(s.doc.roundList(golferKey), s.prompter, names.first, names.last);
    if (s.dialogs.run(dialog) != platform::dialogOk)
        return std::nullopt;
    golfdb::ScoreTable& scores = s.doc.scoreTable();
    if (scores.goTo(dialog.record()) != store::storeOk || store::recordDeleted(scores.storeTable())) {
        databaseError(s.prompter, "Error reading round information from database!");
        return std::nullopt;
    }
    return dialog.record();
}

// The index recalculated; the golfer row is written only when it differs from the stored one.
double updateIndexIfChanged(golfdb::CKipGolfDoc& doc, const std::string& golferKey) {
    const handicap::HandicapResult result = handicap::computeHandicapIndex(doc.scoreTable(), golferKey);
    golfdb::GolferTable& golfers = doc.golferTable();
    if (golfers.find(golferKey) == store::storeOk && golfers.record().handicapIndex != result.index) {
        golfers.record().handicapIndex = result.index;
        golfers.record().handicapRounds = result.counted;
        golfers.change();
    }
    return result.index;
}

template <class Dialog>
int rewriteRound(RoundServices& s, Dialog& dialog, long record, const std::string& golferKey) {
    if (dialog.run(s.dialogs) != platform::dialogOk)
        return 0;
    golfdb::GolferRecord golfer;
    if (s.doc.golferTable().find(golferKey) == store::storeOk)
        golfer = s.doc.golferTable().record();
    golfdb::ScoreTable& scores = s.doc.scoreTable();
    int rc = scores.goTo(record);
    if (rc == store::storeOk) {
        dialog.buildRound(scores.record(), golfer);
        rc = scores.change();
    }
    if (rc != store::storeOk && rc != store::storeDuplicateKey) {
        s.prompter.show({"Could not change round, database error rc = " + std::to_string(rc), roundCaption,
                         Icon::Information, Buttons::Ok});
        return 0;
    }
    const golfdb::ScoreRecord round = scores.record();
    if (s.offerRound)
        s.offerRound(round);
    updateIndexIfChanged(s.doc, round.golfer);
    s.doc.syncAll();
    s.prompter.show({"Round changed", roundCaption, Icon::Information, Buttons::Ok});
    return 1;
}

} // namespace

int changeRound(RoundServices& s) {
    const auto golferKey = chooseGolfer(s);
    if (!golferKey)
        return 0;
    const auto record = chooseRound(s, *golferKey);
    if (!record)
        return 0;
    const golfdb::ScoreRecord round = s.doc.scoreTable().record();
    const RoundEntrySettings settings = readRoundEntrySettings(s.settings);
    if (round.isTotalOnly()) {
        CTotalScoreDlg dialog(RoundMode::Change, s.prompter, s.clock.today());
        dialog.setHandicapRule(s.doc.handicapRule());
        dialog.loadFromRound(round);
        dialog.setChecksOff(settings.checksOff);
        return rewriteRound(s, dialog, *record, *golferKey);
    }
    CScoresDlg dialog(RoundMode::Change, s.prompter, s.clock.today());
    dialog.setHandicapRule(s.doc.handicapRule());
    dialog.loadFromRound(round);
    dialog.applyChangeSettings(settings);
    return rewriteRound(s, dialog, *record, *golferKey);
}

void viewRounds(RoundServices& s) {
    const auto golferKey = chooseGolfer(s);
    if (!golferKey || !chooseRound(s, *golferKey))
        return;
    viewRound(s.dialogs, s.prompter, s.printer, s.clock.today(), s.doc.scoreTable().record());
}

int deleteRounds(RoundServices& s) {
    const auto golferKey = chooseGolfer(s);
    if (!golferKey)
        return 0;
    CDeleteScore dialog(s.doc, *golferKey);
    if (s.dialogs.run(dialog) != platform::dialogOk)
        return 0;
    std::string text = dialog.resultText();
    if (text.empty()) {
        if (s.rebuildLeaderboard)
            s.rebuildLeaderboard();
        const double index = updateIndexIfChanged(s.doc, *golferKey);
        s.doc.syncAll();
        text =
            platform::formatText("Selected rounds deleted and %s's handicap is now %s ", golferKey->c_str(),
                                 handicap::indexText(index, 3, s.doc.handicapRule()).c_str());
    }
    s.prompter.show({text, "Rounds", Icon::Information, Buttons::Ok});
    return dialog.resultText().empty() ? dialog.selectedCount() : 0;
}

int deleteYearRounds(RoundServices& s) {
    CEnterYearDlg dialog(s.prompter);
    if (s.dialogs.run(dialog) != platform::dialogOk)
        return 0;
    const std::string question = platform::formatText(
        "Are you sure you want to delete all rounds for all golfers for %04d?", dialog.year());
    if (s.prompter.show({question, "Confirm Delete", Icon::Question, Buttons::YesNo}) !=
        platform::Answer::Yes)
        return 0;
    const int deleted = s.doc.deleteYearRounds(dialog.year());
    if (s.rebuildLeaderboard)
        s.rebuildLeaderboard();
    s.prompter.show(
        {std::to_string(deleted) + " rounds deleted from database for year " + std::to_string(dialog.year()),
         "Rounds Deleted", Icon::Information, Buttons::Ok});
    return deleted;
}

int enterRound(RoundServices& s) {
    const auto golferKey = chooseGolfer(s);
    if (!golferKey)
        return 0;
    manage::CourseServices courses{s.doc, s.dialogs, s.prompter, s.settings, s.allowMeters};
    const auto courseRow = s.chooseCourse ? s.chooseCourse() : manage::selectCourseAndTee(courses);
    if (!courseRow)
        return 0;
    golfdb::CourseTable& table = s.doc.courseTable();
    if (table.goTo(*courseRow) != store::storeOk) {
        databaseError(s.prompter, "Error reading course information from database!");
        return 0;
    }
    const golfdb::CourseRecord course = table.record();
    manage::promoteRecent(s.settings, s.doc,
                          golfdb::courseKey(course.name, course.city, course.state, course.tee));

    const bool holeByHole = s.prompter.show({"Do you want to enter scores for each hole?", "Score Entry",
                                             Icon::Question, Buttons::YesNo}) == platform::Answer::Yes;
    const RoundEntrySettings settings = readRoundEntrySettings(s.settings);
    if (holeByHole) {
        CScoresDlg dialog(RoundMode::Enter, s.prompter, s.clock.today());
        dialog.setHandicapRule(s.doc.handicapRule());
        dialog.fillFromCourse(*golferKey, course, settings);
        dialog.setTextFiles(s.textFiles);
        return editorLoop(s, dialog, *golferKey);
    }
    CTotalScoreDlg dialog(RoundMode::Enter, s.prompter, s.clock.today());
    dialog.setHandicapRule(s.doc.handicapRule());
    dialog.fillFromCourse(*golferKey, course, settings.checksOff);
    return editorLoop(s, dialog, *golferKey);
}

} // namespace kip::rounds
