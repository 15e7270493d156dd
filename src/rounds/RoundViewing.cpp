#include "rounds/RoundViewing.h"

#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"

namespace kip::rounds {

void viewRound(platform::DialogHost& host, platform::Prompter& prompter, platform::Printer* printer,
               platform::Date today, const golfdb::ScoreRecord& round) {
    if (round.isTotalOnly()) {
        CTotalScoreDlg dialog(RoundMode::View, prompter, today);
        dialog.loadFromRound(round);
        dialog.setPrinter(printer);
        dialog.run(host);
        return;
    }
    CScoresDlg dialog(RoundMode::View, prompter, today);
    dialog.loadFromRound(round);
    dialog.setPrinter(printer);
    dialog.run(host);
}

} // namespace kip::rounds
