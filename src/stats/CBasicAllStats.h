#pragma once
// "Basic Stats, All Golfers": the basic statistics of every golfer under one set of limits, three
// lines per golfer (name, values, an empty line) after the column header.

#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"
#include "report/ReportPrint.h"
#include "stats/ReportLimits.h"

#include <string>
#include <vector>

namespace kip::stats {

class CBasicAllStats : public platform::DialogModel {
public:
    explicit CBasicAllStats(platform::Printer* printer = nullptr) : printer_(printer) {}

    static const char* dialogName() { return "Basic Stats, All Golfers"; }
    static const char* columnHeader() {
        return "Score Rounds Det_Rnds Putts   <Par    Pars    >Par     Fws     GIR";
    }
    static const char* printHeading() { return "Basic Stats for All Golfers"; }

    AppliedLimits limits;

    // Every golfer in golfer-name order, each computed under the limits.
    void compute(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores, platform::WaitCursor* cursor);

    // The two heading lines: the date text over the course text.
    std::string firstHeading() const { return limits.dateText(); }
    std::string secondHeading() const { return limits.courseText(); }
    const std::vector<std::string>& lines() const { return lines_; }

    // What "Print" prints: the heading, the limits line when there is one, then the list lines (the
    // column header first; continuation pages repeat it).
    std::vector<report::PrintLine> printLines() const;
    bool print() const;
    bool canPrint() const { return printer_ != nullptr; }
    int ok() { return platform::dialogOk; }

private:
    platform::Printer* printer_;
    std::vector<std::string> lines_;
};

} // namespace kip::stats
