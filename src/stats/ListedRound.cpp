#include "stats/ListedRound.h"

#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"

namespace kip::stats {

void showRoundReadError(platform::Prompter& prompter) {
    prompter.show({"Error reading round information from database!", "Database Error", platform::Icon::Error,
                   platform::Buttons::Ok});
}

bool viewListedRound(const RoundViewing& viewing, long record) {
    // A row deleted since it was listed is no longer the round the line shows.
    if (record < 1 || viewing.scores.goTo(record) != store::storeOk ||
        store::recordDeleted(viewing.scores.storeTable())) {
        showRoundReadError(viewing.prompter);
        return false;
    }
    const golfdb::ScoreRecord round = viewing.scores.record();
    if (round.isTotalOnly()) {
        rounds::CTotalScoreDlg dialog(rounds::RoundMode::View, viewing.prompter, viewing.today);
        dialog.loadFromRound(round);
        dialog.run(viewing.dialogs);
    } else {
        rounds::CScoresDlg dialog(rounds::RoundMode::View, viewing.prompter, viewing.today);
        dialog.loadFromRound(round);
        dialog.run(viewing.dialogs);
    }
    return true;
}

} // namespace kip::stats
