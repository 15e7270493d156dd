#pragma once
// "Basic Stats, All Golfers": the basic statistics of every golfer under one set of limits, three
// lines per golfer (name, values, an empty line) after the column header, in the common listing
// dialog with the date text over the course text.

#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"
#include "report/CListDlg.h"
#include "report/ReportPrint.h"
#include "stats/ReportLimits.h"

#include <string>
#include <vector>

namespace kip::stats {

class CBasicAllStats : public report::CListDlg {
public:
    // "Print" prints on this printer; without one it does nothing.
    explicit CBasicAllStats(platform::Printer* printer = nullptr);

    static const char* dialogName() { return "Basic Stats, All Golfers"; }
    static const char* columnHeader() {
        return "Score Rounds Det_Rnds Putts   <Par    Pars    >Par     Fws     GIR";
    }
    static const char* printHeading() { return "Basic Stats for All Golfers"; }

    AppliedLimits limits;

    // Every golfer in golfer-name order, each computed under the limits; sets the headings.
    void compute(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores, platform::WaitCursor* cursor);

    // "%s  %s" of course text and date text, empty when both are.
    std::string limitsLine() const;
    // Every text the print puts on paper, in order, with the column header once: the heading, the
    // limits line when there is one, then the list lines.
    std::vector<std::string> printedTexts() const;
    bool printListing() const;

private:
    platform::Printer* printer_;
};

} // namespace kip::stats
