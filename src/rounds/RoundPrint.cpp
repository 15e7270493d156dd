// "Print" of the two round dialogs: their card lines through the report print procedure.

#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"

namespace kip::rounds {

bool CScoresDlg::printRound(platform::Printer& printer) {
    if (holeFieldsEditable() && readFields().kind != Focus::Stay)
        return false;
    return report::printReport(printer, report::PrintVariant::RoundCard, "", cardLines());
}

bool CTotalScoreDlg::printRound(platform::Printer& printer) {
    return report::printReport(printer, report::PrintVariant::TotalRoundCard, "", cardLines());
}

} // namespace kip::rounds
