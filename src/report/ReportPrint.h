#pragma once
// The one print procedure behind every "Print" button: a report hands over its lines and the
// variant that fixes its document name, page layout, continuation pages, tab stops and page breaks.

#include "platform/PrintSurface.h"

#include <string>
#include <vector>

namespace kip::report {

enum class PrintVariant {
    BasicStats,
    BasicAllStats,
    HoleStats,
    LowestScores,
    FewestPutts,
    CourseStats,
    HandicapListing,
    RoundListing,
    TeamListing,
    HandicapScores,
    HandicapScoresNoBreaks,
    HandicapSummary,
    RoundCard,
    TotalRoundCard,
};

struct PrintLine {
    std::string text;
    int advance = 1; // line heights to move down after the line
};

// Prints the lines with the variant's layout; title is the variant's title line where it has one.
// False when the user cancelled the print dialog (nothing printed).
bool printReport(platform::Printer& printer, PrintVariant variant, const std::string& title,
                 const std::vector<PrintLine>& lines);

} // namespace kip::report
