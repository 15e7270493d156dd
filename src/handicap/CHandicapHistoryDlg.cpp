#include "handicap/CHandicapHistoryDlg.h"

#include "golfdb/GolferTable.h"
#include "handicap/IndexText.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

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

namespace {

constexpr platform::Colour black{0, 0, 0};
constexpr platform::Colour grey{160, 160, 160};
constexpr platform::Colour indexColour{0, 0, 192};
constexpr platform::Colour lowColour{192, 0, 0};

std::string shortDate(const HistoryPoint& point) {
    return platform::formatText("%02d/%02d/%04d", point.month, point.day, point.year);
}

} // namespace

void CHandicapHistoryDlg::drawChart(int left, int top, int width, int height,
                                    platform::PrintSurface& surface) const {
    const int charWidth = std::max(surface.averageCharWidth(), 1);
    const int lineHeight = std::max(surface.lineHeight(), 1);
    // Room for the index labels on the left and the dates underneath.
    const int plotLeft = left + 6 * charWidth;
    const int plotTop = top + lineHeight;
    const int plotRight = left + width - 2 * charWidth;
    const int plotBottom = top + height - 2 * lineHeight;
    if (plotRight <= plotLeft || plotBottom <= plotTop)
        return;
    surface.drawLine(plotLeft, plotTop, plotLeft, plotBottom, 1, black);
    surface.drawLine(plotLeft, plotBottom, plotRight, plotBottom, 1, black);
    const HistoryChartScale s = scale();
    if (points_.empty() || s.highest <= s.lowest) {
        surface.setTextColour(black);
        surface.drawText(plotLeft + charWidth, plotTop, points_.empty() ? "No rounds" : "No handicap yet");
        return;
    }
    const auto xOf = [&](long day) {
        if (s.lastDay == s.firstDay)
            return (plotLeft + plotRight) / 2;
        return plotLeft + static_cast<int>((plotRight - plotLeft) * static_cast<double>(day - s.firstDay) /
                                           static_cast<double>(s.lastDay - s.firstDay));
    };
    const auto yOf = [&](double index) {
        return plotBottom -
               static_cast<int>((plotBottom - plotTop) * (index - s.lowest) / (s.highest - s.lowest));
    };
    surface.setTextColour(black);
    for (const double mark : {s.lowest, s.highest}) {
        surface.drawText(left, yOf(mark) - lineHeight / 2, indexText(mark, 5, rule_));
        surface.drawLine(plotLeft - charWidth / 2, yOf(mark), plotLeft, yOf(mark), 1, black);
    }
    surface.drawText(plotLeft, plotBottom + lineHeight / 4, shortDate(points_.front()));
    if (points_.size() > 1) {
        const std::string last = shortDate(points_.back());
        surface.drawText(plotRight - static_cast<int>(last.size()) * charWidth, plotBottom + lineHeight / 4,
                         last);
    }
    if (const auto low = lowIndex(); low && worldRule()) {
        const int y = yOf(*low);
        const int dash = 2 * charWidth;
        for (int x = plotLeft; x < plotRight; x += 2 * dash)
            surface.drawLine(x, y, std::min(x + dash, plotRight), y, 1, lowColour);
    }
    std::optional<std::pair<int, int>> previous;
    for (const HistoryPoint& point : points_) {
        if (!point.index) {
            previous.reset(); // no line across the days without a handicap
            continue;
        }
        const int x = xOf(point.dayNumber);
        const int y = yOf(*point.index);
        if (previous)
            surface.drawLine(previous->first, previous->second, x, y, 2, indexColour);
        surface.drawCircle(x, y, std::max(charWidth / 3, 2), indexColour);
        if (point.softCapped || point.hardCapped) {
            surface.setTextColour(lowColour);
            surface.drawText(x - charWidth / 2, y - lineHeight - charWidth / 2, point.hardCapped ? "H" : "S");
            surface.setTextColour(black);
        }
        previous = std::make_pair(x, y);
    }
    surface.drawLine(plotLeft, plotTop, plotRight, plotTop, 1, grey);
}

bool CHandicapHistoryDlg::print() {
    if (!printEnabled())
        return false;
    platform::PrintRequest request;
    request.documentName = "Kip Golf Handicap History";
    auto surface = printer_->start(request);
    if (!surface)
        return false;
    const int lineHeight = std::max(surface->lineHeight(), 1);
    const int margin = 2 * surface->averageCharWidth();
    int y = lineHeight;
    surface->setTextColour(black);
    surface->drawText(margin, y, title());
    y += 2 * lineHeight;
    const int chartHeight = std::max(surface->pageHeight() * 2 / 5, 8 * lineHeight);
    drawChart(margin, y, surface->pageWidth() - 2 * margin, chartHeight, *surface);
    y += chartHeight + lineHeight;
    const std::vector<int> stops = {margin + 14 * surface->averageCharWidth()};
    for (const std::string& line : printedLines()) {
        if (y + lineHeight > surface->pageHeight()) {
            surface->newPage();
            y = lineHeight;
        }
        surface->drawTabbedText(margin, y, line, stops);
        y += lineHeight;
    }
    surface->finish();
    return true;
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
