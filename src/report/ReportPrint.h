#pragma once
// The one print procedure behind every "Print" button: a report hands over its lines and the
// variant that fixes its document name, page layout, continuation pages, tab stops and page breaks.

#include "golfdb/CKipGolfDoc.h"
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
    // Handicap scores "Print": a golfer heading, which starts a new page under the heading text.
    bool golferHeading = false;
};

// Everything one print needs besides the printer.
struct ReportDocument {
    PrintVariant variant = PrintVariant::BasicStats;
    // The heading printed on the first page (and on every page of the titled variants): the second
    // heading line of the lowest scores, fewest putts and course statistics listings, the listing's
    // title of the handicap listings, the heading text of the handicap score prints. Empty for the
    // variants whose heading is their own ("List All Rounds for Selected Golfers", "Kip Golf Team
    // List", "Basic Stats for All Golfers"); the variants without a heading ignore it.
    std::string title;
    // Basic Stats, All Golfers: the limits line "%s  %s" of course and date text, empty for none.
    std::string limitsLine;
    // Basic Stats, All Golfers: the column header repeated on every page. Empty: the first of the
    // lines is the column header (as the listing holds it). The team listing always uses its own.
    std::string columnHeader;
    std::vector<PrintLine> lines;
};

// Prints the document with its variant's layout. False when the user cancelled the print dialog
// (nothing printed).
bool printReport(platform::Printer& printer, const ReportDocument& document);

// The short form: title is the variant's heading as in ReportDocument::title, except for Basic Stats,
// All Golfers, where it is the limits line and the first line is the column header.
bool printReport(platform::Printer& printer, PrintVariant variant, const std::string& title,
                 const std::vector<PrintLine>& lines);

// Plain lines of one line height each, as a listing holds them.
std::vector<PrintLine> printLines(const std::vector<std::string>& texts);
// A listing's lines for the handicap score prints: every non-empty line bound to no record (-1) is a
// golfer heading.
std::vector<PrintLine> handicapScorePrintLines(const golfdb::ItemList& lines);

// The document name the printer queue shows for the variant.
const std::string& documentName(PrintVariant variant);

} // namespace kip::report
