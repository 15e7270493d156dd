#include "handicap/HandicapScoresListing.h"

#include "handicap/HandicapIndex.h"
#include "handicap/ScoreLines.h"
#include "platform/TextFormat.h"
#include "platform/WaitCursor.h"
#include "report/ReportPrint.h"

namespace kip::handicap {
namespace {

// Where a round line holds its gross ("%3d") and the mark of a used round.
constexpr std::size_t grossAt = 13;
constexpr std::size_t grossWidth = 3;
constexpr std::size_t usedMarkAt = 24;
constexpr std::size_t summaryWidth = 55;

void addGolferBlock(golfdb::ScoreTable& scores, const std::string& key, golfdb::ItemList& lines) {
    HandicapListing listing;
    const HandicapResult result = computeHandicapIndex(scores, key, &listing);
    const golfdb::NameParts names = golfdb::splitGolferName(key);
    buildScoreLines(std::move(listing), names.first, names.last, result.index, lines, scores.handicapRule());
}

platform::Date today(const ListingServices& services) {
    if (services.clock)
        return services.clock->today();
    platform::SystemClock system;
    return system.today();
}

void openRound(golfdb::CKipGolfDoc& doc, const ListingServices& services, long record) {
    golfdb::ScoreTable& scores = doc.scoreTable();
    // A round deleted since the listing was built cannot be shown either.
    if (scores.goTo(record) != store::storeOk || store::recordDeleted(scores.storeTable())) {
        doc.prompter().show({"Error reading round information from database!", "Database Error",
                             platform::Icon::Error, platform::Buttons::Ok});
        return;
    }
    if (services.viewRound)
        services.viewRound(scores.record());
}

} // namespace

void fillHandicapScores(report::CListDlg& dialog, golfdb::CKipGolfDoc& doc, const ListingServices& services,
                        const std::string& title, const std::string& golferKey) {
    dialog.setTitle(title);
    dialog.setHeadings(scoresLegend, "");
    dialog.setHelpTopic("handicap-scores");
    golfdb::ItemList lines;
    {
        const platform::WaitCursorScope busy(doc.waitCursor());
        if (!golferKey.empty()) {
            addGolferBlock(doc.scoreTable(), golferKey, lines);
        } else {
            golfdb::GolferTable& golfers = doc.golferTable();
            for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
                addGolferBlock(doc.scoreTable(), golfers.record().name, lines);
                lines.push_back({"", report::noRecord});
            }
        }
    }
    dialog.addLines(lines);
    dialog.showButton(report::ListButton::PrintNoBreaks, golferKey.empty());
    dialog.showButton(report::ListButton::PrintSummary);
    dialog.setPrintEnabled(services.printer != nullptr);
    dialog.setOpenAction([&doc, &services](int, long record) { openRound(doc, services, record); });

    const auto printAs = [&dialog, &services, title](report::PrintVariant variant) {
        report::printReport(*services.printer, variant, asOfDate(title, today(services)),
                            report::handicapScorePrintLines(dialog.lines()));
    };
    dialog.setPrintAction(report::ListButton::Print,
                          [printAs] { printAs(report::PrintVariant::HandicapScores); });
    dialog.setPrintAction(report::ListButton::PrintNoBreaks,
                          [printAs] { printAs(report::PrintVariant::HandicapScoresNoBreaks); });
    dialog.setPrintAction(report::ListButton::PrintSummary, [&dialog, &services] {
        report::printReport(*services.printer, report::PrintVariant::HandicapSummary,
                            asOfDate("Show Handicap Scores Summary", today(services)),
                            report::printLines(summaryLines(dialog.lines())));
    });
}

std::string asOfDate(const std::string& text, const platform::Date& date) {
    return text + platform::formatText(" as of %02d/%02d/%04d", date.month, date.day, date.year);
}

std::vector<std::string> summaryLines(const golfdb::ItemList& lines) {
    std::vector<std::string> out;
    std::string pending;
    const auto flush = [&] {
        if (!pending.empty())
            out.push_back(std::move(pending));
        pending.clear();
    };
    for (const auto& line : lines) {
        if (line.record == report::noRecord) {
            flush();
            out.push_back(line.text);
            continue;
        }
        if (!pending.empty())
            pending += ", ";
        pending += line.text.size() > grossAt ? line.text.substr(grossAt, grossWidth) : std::string();
        pending += line.text.size() > usedMarkAt ? line.text[usedMarkAt] : ' ';
        if (pending.size() > summaryWidth)
            flush();
    }
    flush();
    return out;
}

} // namespace kip::handicap
