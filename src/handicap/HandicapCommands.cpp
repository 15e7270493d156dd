#include "handicap/HandicapCommands.h"

#include "handicap/CHandicapRule.h"
#include "handicap/HandicapRecalculation.h"
#include "platform/Prompter.h"

#include <array>
#include <cstdio>

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

std::string recalculationOutcome(int failedWrites, int lastFailure) {
    if (failedWrites == 0)
        return recalcCompleteText;
    std::array<char, 128> text{};
    std::snprintf(text.data(), text.size(), "Could not save %d golfer handicaps, database error rc = %d",
                  failedWrites, lastFailure);
    return text.data();
}

bool recalculateHandicaps(golfdb::CKipGolfDoc& doc) {
    auto& prompter = doc.prompter();
    const platform::Message question{recalcQuestion, recalcQuestionCaption, platform::Icon::None,
                                     platform::Buttons::YesNo};
    if (prompter.show(question) != platform::Answer::Yes)
        return false;
    const RecalculationResult result = recalculateAllHandicaps(doc);
    // Reporting success after a row could not be written would leave a stale handicap unnoticed.
    if (result.failedWrites == 0)
        prompter.show(
            {recalcCompleteText, recalcCompleteCaption, platform::Icon::None, platform::Buttons::Ok});
    else
        prompter.show({recalculationOutcome(result.failedWrites, result.lastFailure), "Database Error",
                       platform::Icon::Error, platform::Buttons::Ok});
    return true;
}

} // namespace kip::handicap
