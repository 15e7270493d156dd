// "Print" of the two round dialogs: their card lines through the report print procedure.

#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"

namespace kip::rounds {

bool CScoresDlg::printRound(platform::Printer& printer) {
    if (holeFieldsEditable() && readFields().kind != Focus::Stay)
        return false;
    return report::printReport(printer, report::PrintVariant::RoundCard, "", cardLines());
}

void CScoresDlg::print() {
    if (printer_ && printShown())
        printRound(*printer_);
}

void CTotalScoreDlg::print() {
    if (printer_ && printShown())
        printRound(*printer_);
}

bool CTotalScoreDlg::printRound(platform::Printer& printer) {
    return report::printReport(printer, report::PrintVariant::TotalRoundCard, "", cardLines());
}

} // namespace kip::rounds
