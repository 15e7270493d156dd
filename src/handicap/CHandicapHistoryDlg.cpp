#include "handicap/CHandicapHistoryDlg.h"

#include "golfdb/GolferTable.h"
#include "handicap/IndexText.h"
#include "report/ReportPrint.h"

#include <algorithm>
#include <cmath>

namespace kip::handicap {

CHandicapHistoryDlg::CHandicapHistoryDlg(const std::string& golferKey, std::vector<HistoryPoint> points,
                                         int rule)
    : points_(std::move(points)), rule_(rule) {
    const golfdb::NameParts names = golfdb::splitGolferName(golferKey);
    firstName_ = names.first;
    lastName_ = names.last;
    for (const HistoryPoint& point : points_)
        lines_.push_back(historyLine(point, rule_));
}

std::string CHandicapHistoryDlg::title() const {
    return "Handicap History for " + firstName_ + " " + lastName_;
}

bool CHandicapHistoryDlg::worldRule() const {
    return rule_ == golfdb::ruleWorld;
}

std::string CHandicapHistoryDlg::legend() const {
    if (!worldRule())
        return "Index after each day with rounds; NH: no handicap yet";
    return "Index after each day with rounds; dashed: low index; S: soft cap, H: hard cap; NH: no handicap "
           "yet";
}

std::optional<double> CHandicapHistoryDlg::lowIndex() const {
    for (auto it = points_.rbegin(); it != points_.rend(); ++it)
        if (it->low)
            return it->low;
    return std::nullopt;
}

HistoryChartScale CHandicapHistoryDlg::scale() const {
    HistoryChartScale out;
    if (points_.empty())
        return out;
    out.firstDay = points_.front().dayNumber;
    out.lastDay = points_.back().dayNumber;
    std::optional<double> lowest, highest;
    const auto widen = [&](double value) {
        lowest = lowest ? std::min(*lowest, value) : value;
        highest = highest ? std::max(*highest, value) : value;
    };
    for (const HistoryPoint& point : points_) {
        if (point.index)
            widen(*point.index);
        if (point.low)
            widen(*point.low);
    }
    if (!lowest)
        return out;
    out.lowest = std::floor(*lowest);
    out.highest = std::max(std::ceil(*highest), out.lowest + 1.0);
    return out;
}

std::vector<std::string> CHandicapHistoryDlg::printedLines() const {
    std::vector<std::string> printed = lines_;
    if (const auto low = lowIndex(); low && worldRule())
        printed.push_back("Low index\t" + indexText(*low, 0, rule_));
    return printed;
}

void CHandicapHistoryDlg::print() {
    if (!printEnabled())
        return;
    report::printReport(*printer_, report::PrintVariant::HandicapListing, title(),
                        report::printLines(printedLines()));
}

void showHandicapHistory(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                         const ListingServices& services) {
    const auto chosen = services.chooseGolfer ? services.chooseGolfer() : std::nullopt;
    if (!chosen)
        return;
    if (doc.golferTable().goTo(*chosen) != store::storeOk) {
        doc.prompter().show({"Error reading golfer information from database!", "Database Error",
                             platform::Icon::Error, platform::Buttons::Ok});
        return;
    }
    const std::string key = doc.golferTable().record().name;
    CHandicapHistoryDlg dialog(key, handicapHistory(doc.scoreTable(), key), doc.handicapRule());
    dialog.setPrinter(services.printer);
    host.run(dialog);
}

} // namespace kip::handicap
