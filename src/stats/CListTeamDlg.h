#pragma once
// "List of Golfers by Team": every golfer with team and handicap index, the list sorted by its text
// so that golfers group by team.

#include "golfdb/CKipGolfDoc.h"
#include "platform/PrintSurface.h"
#include "report/CListDlg.h"

namespace kip::stats {

class CListTeamDlg : public report::CListDlg {
public:
    explicit CListTeamDlg(platform::Printer* printer = nullptr);

    static const char* columnHeader() { return "Team  Handicap    Golfer"; }
    static const char* printTitle() { return "Kip Golf Team List"; }

    // Fills the list from the golfers-by-team list builder.
    void fill(golfdb::CKipGolfDoc& doc);
    bool printListing();

private:
    platform::Printer* printer_;
};

} // namespace kip::stats
