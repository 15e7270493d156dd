#include "stats/CListTeamDlg.h"

#include "report/ReportPrint.h"

namespace kip::stats {

CListTeamDlg::CListTeamDlg(platform::Printer* printer)
    : CListDlg("List of Golfers by Team"), printer_(printer) {
    setHeadings({}, columnHeader());
    setSorted(true);
    setSelectable(false);
    setPrintAction(report::ListButton::Print, [this] { printListing(); });
}

void CListTeamDlg::fill(golfdb::CKipGolfDoc& doc) {
    clear();
    addLines(doc.teamList());
}

bool CListTeamDlg::printListing() {
    if (!printer_)
        return false;
    return report::printReport(*printer_, report::PrintVariant::TeamListing, {}, report::printLines(texts()));
}

} // namespace kip::stats
