#include "report/ReportPrint.h"

#include "report/PrintJob.h"

#include <cctype>

namespace kip::report {
namespace {

const std::string basicAllTitle = "Basic Stats for All Golfers";
const std::string roundListingTitle = "List All Rounds for Selected Golfers";
const std::string teamListingTitle = "Kip Golf Team List";
const std::string teamColumnHeader = "Team  Handicap    Golfer";

std::vector<int> tabStops(PrintVariant variant) {
    switch (variant) {
    case PrintVariant::HoleStats:
    case PrintVariant::HandicapScores:
    case PrintVariant::HandicapScoresNoBreaks:
    case PrintVariant::HandicapSummary:
        return {20, 30, 40};
    case PrintVariant::LowestScores:
    case PrintVariant::FewestPutts:
        return {50, 60};
    case PrintVariant::RoundListing:
        return {40, 50};
    case PrintVariant::HandicapListing:
        return {8};
    case PrintVariant::RoundCard:
        return {10};
    default:
        return {};
    }
}

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// The team number in the first four characters of a team listing line.
long teamOf(const std::string& line) {
    long team = 0;
    std::size_t i = 0;
    const std::size_t end = std::min<std::size_t>(4, line.size());
    while (i < end && line[i] == ' ')
        ++i;
    for (; i < end && std::isdigit(static_cast<unsigned char>(line[i])); ++i)
        team = team * 10 + (line[i] - '0');
    return team;
}

// Lines from a fixed position; full pages continue at the page top.
void printFlowing(PrintJob& job, int firstLine, const std::vector<PrintLine>& lines) {
    job.moveTo(firstLine);
    for (const auto& line : lines)
        job.printLine(line.text, line.advance);
}

struct TitledLayout {
    int titleAt;
    int firstAt;
    int continuedTitleAt;
    int continuedFirstAt;
    const std::string* columnHeader = nullptr; // printed two line heights below the title
    bool teamSpacing = false;
};

TitledLayout titledLayout(PrintVariant variant) {
    switch (variant) {
    case PrintVariant::RoundListing:
        return {3, 4, 2, 3};
    case PrintVariant::TeamListing:
        return {3, 6, 2, 5, &teamColumnHeader, true};
    default:
        return {3, 5, 2, 4};
    }
}

// Every page repeats the title (and column header); a line that finds the page full goes to the
// next page below them.
void printTitled(PrintJob& job, const TitledLayout& layout, const std::string& title,
                 const std::vector<PrintLine>& lines) {
    job.setBottomLimitRule(false);
    const auto heading = [&](int titleAt, int firstAt) {
        job.moveTo(titleAt);
        job.printLine(title, 0);
        if (layout.columnHeader) {
            job.moveTo(titleAt + 2);
            job.printLine(*layout.columnHeader, 0);
        }
        job.moveTo(firstAt);
    };
    heading(layout.titleAt, layout.firstAt);
    long previousTeam = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (job.pageFull()) {
            job.newPage();
            heading(layout.continuedTitleAt, layout.continuedFirstAt);
        }
        if (layout.teamSpacing) {
            const long team = teamOf(lines[i].text);
            if (i == 0 || team != previousTeam)
                job.skip(1);
            previousTeam = team;
        }
        job.printLine(lines[i].text, lines[i].advance);
    }
}

// Pages break only after an empty line, so a golfer's block stays on one page; every page starts
// with the column header. A run of lines without an empty one still breaks before it would leave
// the paper.
void printBasicAll(PrintJob& job, const ReportDocument& document) {
    job.setBottomLimitRule(false);
    job.setPageTop(1);
    auto first = document.lines.begin();
    std::string header = document.columnHeader;
    if (header.empty() && first != document.lines.end())
        header = (first++)->text;

    job.moveTo(1);
    job.printLine(basicAllTitle, 0);
    if (!document.limitsLine.empty()) {
        job.moveTo(2);
        job.printLine(document.limitsLine, 0);
        job.moveTo(4);
    } else {
        job.moveTo(2);
    }
    job.printLine(header);
    const int pageHeight = job.surface()->pageHeight();
    bool afterEmptyLine = false;
    for (auto line = first; line != document.lines.end(); ++line) {
        const bool offThePaper = job.y() + job.lineHeight() > pageHeight && job.pageUsed();
        if ((afterEmptyLine && job.pageFull()) || offThePaper) {
            job.newPage();
            job.printLine(header);
        }
        job.printLine(line->text, line->advance);
        afterEmptyLine = blank(line->text);
    }
}

// "Print": every golfer starts a page of its own under the heading text.
void printHandicapScores(PrintJob& job, const ReportDocument& document) {
    bool printed = false;
    for (const auto& line : document.lines) {
        if (line.golferHeading && !blank(line.text)) {
            if (printed)
                job.newPage();
            job.moveTo(2);
            job.printLine(document.title, 2);
        }
        job.printLine(line.text, line.advance);
        printed = true;
    }
}

// "Print w/o Breaks" and "Print Summary": the heading once, then the lines page after page.
void printHeadedOnce(PrintJob& job, const ReportDocument& document) {
    job.moveTo(3);
    job.printLine(document.title, 2);
    for (const auto& line : document.lines)
        job.printLine(line.text, line.advance);
}

const std::string& titleOf(const ReportDocument& document) {
    if (!document.title.empty())
        return document.title;
    if (document.variant == PrintVariant::RoundListing)
        return roundListingTitle;
    if (document.variant == PrintVariant::TeamListing)
        return teamListingTitle;
    return document.title;
}

} // namespace

const std::string& documentName(PrintVariant variant) {
    static const std::string names[] = {
        "Kip Golf Basic Stats",     "Kip Golf Basic All Stats", "Kip Golf Hole Stats",
        "Kip Golf Lowest Scores",   "Kip Golf Fewest Putts",    "Kip Golf Course Stats",
        "Kip Golf Handicaps",       "Kip Golf All Scores",      "Kip Golf Team List",
        "Kip Golf Handicap Scores", "Kip Golf Handicap Scores", "Kip Golf Handicap Scores",
        "Kip Golf Total Round",     "Kip Golf Total Round",
    };
    return names[static_cast<int>(variant)];
}

bool printReport(platform::Printer& printer, const ReportDocument& document) {
    platform::PrintRequest request;
    request.documentName = documentName(document.variant);
    request.font.printerDefault = document.variant == PrintVariant::BasicStats;
    PrintJob job;
    if (!job.start(printer, request))
        return false;
    job.setTabStops(tabStops(document.variant));

    switch (document.variant) {
    case PrintVariant::BasicStats:
    case PrintVariant::HoleStats:
        printFlowing(job, 3, document.lines);
        break;
    case PrintVariant::RoundCard:
    case PrintVariant::TotalRoundCard:
        printFlowing(job, 7, document.lines);
        break;
    case PrintVariant::BasicAllStats:
        printBasicAll(job, document);
        break;
    case PrintVariant::LowestScores:
    case PrintVariant::FewestPutts:
    case PrintVariant::CourseStats:
    case PrintVariant::HandicapListing:
    case PrintVariant::RoundListing:
    case PrintVariant::TeamListing:
        printTitled(job, titledLayout(document.variant), titleOf(document), document.lines);
        break;
    case PrintVariant::HandicapScores:
        printHandicapScores(job, document);
        break;
    case PrintVariant::HandicapScoresNoBreaks:
    case PrintVariant::HandicapSummary:
        printHeadedOnce(job, document);
        break;
    }
    job.end();
    return true;
}

bool printReport(platform::Printer& printer, PrintVariant variant, const std::string& title,
                 const std::vector<PrintLine>& lines) {
    ReportDocument document;
    document.variant = variant;
    if (variant == PrintVariant::BasicAllStats)
        document.limitsLine = title;
    else
        document.title = title;
    document.lines = lines;
    return printReport(printer, document);
}

std::vector<PrintLine> printLines(const std::vector<std::string>& texts) {
    std::vector<PrintLine> lines;
    lines.reserve(texts.size());
    for (const auto& text : texts)
        lines.push_back({text});
    return lines;
}

std::vector<PrintLine> handicapScorePrintLines(const golfdb::ItemList& lines) {
    std::vector<PrintLine> result;
    result.reserve(lines.size());
    for (const auto& line : lines)
        result.push_back({line.text, 1, line.record == -1 && !blank(line.text)});
    return result;
}

} // namespace kip::report
