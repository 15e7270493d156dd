#include "stats/ListedRound.h"

#include "rounds/RoundViewing.h"

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
    rounds::viewRound(viewing.dialogs, viewing.prompter, viewing.printer, viewing.today,
                      viewing.scores.record());
    return true;
}

} // namespace kip::stats
