#include "handicap/HandicapCommands.h"

#include "handicap/CHandicapRule.h"
#include "handicap/HandicapRecalculation.h"
#include "platform/Prompter.h"
#include "platform/TextFormat.h"

namespace kip::handicap {

int changeHandicapRule(platform::DialogHost& host, platform::SettingsStore& settings,
                       golfdb::CKipGolfDoc& doc) {
    CHandicapRule dialog(settings, doc.handicapRule());
    if (host.run(dialog) != platform::dialogOk)
        return doc.handicapRule();
    doc.setHandicapRule(dialog.rule());
    doc.scoreTable().selectRoundsUsedTable(dialog.rule());
    return dialog.rule();
}

std::string recalculationOutcome(const RecalculationResult& result) {
    if (result.readFailure != 0)
        return platform::formatText(
            "Could not read every golfer, database error rc = %d; the handicaps of the rest were "
            "not recalculated",
            result.readFailure);
    if (result.failedWrites != 0)
        return platform::formatText("Could not save %d of %d golfer handicaps, database error rc = %d",
                                    result.failedWrites, result.golfers, result.lastFailure);
    if (result.syncFailure != 0)
        return platform::formatText("Could not save golfer handicaps, database error rc = %d",
                                    result.syncFailure);
    return recalcCompleteText;
}

bool recalculateHandicaps(golfdb::CKipGolfDoc& doc) {
    auto& prompter = doc.prompter();
    const platform::Message question{recalcQuestion, recalcQuestionCaption, platform::Icon::None,
                                     platform::Buttons::YesNo};
    if (prompter.show(question) != platform::Answer::Yes)
        return false;
    const RecalculationResult result = recalculateAllHandicaps(doc);
    // Reporting success after a row could not be written would leave a stale handicap unnoticed.
    if (result.succeeded())
        prompter.show(
            {recalcCompleteText, recalcCompleteCaption, platform::Icon::None, platform::Buttons::Ok});
    else
        prompter.show(
            {recalculationOutcome(result), "Database Error", platform::Icon::Error, platform::Buttons::Ok});
    return true;
}

} // namespace kip::handicap
