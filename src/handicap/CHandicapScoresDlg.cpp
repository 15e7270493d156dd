#include "handicap/CHandicapScoresDlg.h"

#include "handicap/HandicapIndex.h"
#include "platform/WaitCursor.h"

#include <array>
#include <cstdio>

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
    buildScoreLines(std::move(listing), names.first, names.last, result.index, lines);
}

} // namespace

CHandicapScoresDlg::CHandicapScoresDlg(golfdb::CKipGolfDoc& doc, const ListingServices& services,
                                       std::string title, const std::string& golferKey)
    : doc_(doc), services_(services), title_(std::move(title)), allGolfers_(golferKey.empty()) {
    const platform::WaitCursorScope busy(doc.waitCursor());
    if (!allGolfers_) {
        addGolferBlock(doc.scoreTable(), golferKey, lines_);
        return;
    }
    golfdb::GolferTable& golfers = doc.golferTable();
    for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
        addGolferBlock(doc.scoreTable(), golfers.record().name, lines_);
        lines_.push_back({"", noRoundRecord});
    }
}

void CHandicapScoresDlg::doubleClick(int index) {
    if (index < 0 || index >= static_cast<int>(lines_.size()))
        return;
    const long record = lines_[static_cast<std::size_t>(index)].record;
    if (record == noRoundRecord)
        return;
    golfdb::ScoreTable& scores = doc_.scoreTable();
    if (scores.goTo(record) != store::storeOk) {
        doc_.prompter().show({"Error reading round information from database!", "Database Error",
                              platform::Icon::Error, platform::Buttons::Ok});
        return;
    }
    if (services_.viewRound)
        services_.viewRound(scores.record());
}

std::string asOfDate(const std::string& text, const platform::Date& date) {
    std::array<char, 32> when{};
    std::snprintf(when.data(), when.size(), " as of %02d/%02d/%04d", date.month, date.day, date.year);
    return text + when.data();
}

std::string CHandicapScoresDlg::datedHeading(const std::string& text) const {
    platform::SystemClock system;
    platform::Clock& clock = services_.clock ? *services_.clock : static_cast<platform::Clock&>(system);
    return asOfDate(text, clock.today());
}

namespace {

std::vector<report::PrintLine> printLinesOf(const golfdb::ItemList& lines) {
    std::vector<report::PrintLine> out;
    out.reserve(lines.size());
    for (const auto& line : lines)
        out.push_back({line.text, 1});
    return out;
}

} // namespace

void CHandicapScoresDlg::print() {
    if (services_.print)
        services_.print(report::PrintVariant::HandicapScores, datedHeading(title_), printLinesOf(lines_));
}

void CHandicapScoresDlg::printWithoutBreaks() {
    if (services_.print)
        services_.print(report::PrintVariant::HandicapScoresNoBreaks, datedHeading(title_),
                        printLinesOf(lines_));
}

void CHandicapScoresDlg::printSummary() {
    if (!services_.print)
        return;
    std::vector<report::PrintLine> out;
    for (auto& text : summaryLines(lines_))
        out.push_back({std::move(text), 1});
    services_.print(report::PrintVariant::HandicapSummary, datedHeading("Show Handicap Scores Summary"), out);
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
        if (line.record == noRoundRecord) {
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
