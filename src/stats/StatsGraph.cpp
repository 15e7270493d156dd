#include "stats/StatsGraph.h"

#include "stats/ScoreRowFields.h"
#include "stats/StatsText.h"

#include <algorithm>

namespace kip::stats {
namespace {

struct KindInfo {
    GraphKind kind;
    const char* name;
    platform::Colour colour;
    bool dataScale;
};

constexpr KindInfo kinds[] = {
    {GraphKind::GrossScore, "Gross Score", {128, 128, 0}, true},
    {GraphKind::Putts, "Putts", {128, 0, 128}, true},
    {GraphKind::Greens, "Greens", {0, 170, 0}, false},
    {GraphKind::FairwaysHit, "Fairways Hit", {0, 128, 128}, false},
    {GraphKind::ParOrLess, "Par or Less", {0, 0, 255}, false},
};

const KindInfo& infoOf(GraphKind kind) {
    for (const KindInfo& info : kinds)
        if (info.kind == kind)
            return info;
    return kinds[0];
}

int valueOf(const ScoreRowFields& row, GraphKind kind) {
    switch (kind) {
    case GraphKind::GrossScore:
        return row.grossScore();
    case GraphKind::Putts:
        return row.totalPutts();
    case GraphKind::Greens:
        return row.greens();
    case GraphKind::FairwaysHit:
        return row.fairways();
    case GraphKind::ParOrLess:
        return row.parOrLess();
    }
    return 0;
}

const platform::Colour black{0, 0, 0};

std::string dateText(const platform::Date& d) {
    return formatText("%02d/%02d/%04d", d.month, d.day, d.year);
}

int textWidth(const std::string& text, int charWidth) {
    return static_cast<int>(text.size()) * charWidth;
}

void drawLabels(platform::PrintSurface& surface, const GraphScale& scale, int x, int lowestY,
                int pixelsPerUnit) {
    surface.setTextColour(black);
    for (const int tick : scale.ticks)
        surface.drawText(x, lowestY - (tick - scale.low) * pixelsPerUnit, formatText("%3d", tick));
}

int valueAtHeight(int bottom, int y, int pixelsPerUnit, int low) {
    if (pixelsPerUnit <= 0)
        return low;
    const int above = bottom - y;
    int value = above / pixelsPerUnit + low;
    if (2 * (above % pixelsPerUnit) > pixelsPerUnit)
        ++value;
    return value;
}

} // namespace

CGraphStat::CGraphStat(GraphKind k) : kind(k) {
    const KindInfo& info = infoOf(k);
    name = info.name;
    colour = info.colour;
    dataScale = info.dataScale;
}

void CGraphStat::add(int value) {
    values.push_back(value);
    smallest = std::min(smallest, value);
    largest = std::max(largest, value);
}

GraphSeries makeGraphSeries(bool scores, bool putts, bool fairways, bool greens, bool parsOrLess) {
    GraphSeries series;
    if (scores)
        series.emplace_back(GraphKind::GrossScore);
    if (putts)
        series.emplace_back(GraphKind::Putts);
    if (parsOrLess)
        series.emplace_back(GraphKind::ParOrLess);
    if (greens)
        series.emplace_back(GraphKind::Greens);
    if (fairways)
        series.emplace_back(GraphKind::FairwaysHit);
    return series;
}

void computeGraphSeries(golfdb::ScoreTable& scores, const std::string& golfer, const std::string& fromKey,
                        const std::string& toKey, GraphSeries& series, platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    store::Table* table = scores.storeTable();
    const ScoreRowFields row(table);
    if (!row.valid() || series.empty())
        return;
    const bool detail = std::any_of(series.begin(), series.end(),
                                    [](const CGraphStat& s) { return s.kind != GraphKind::GrossScore; });
    const std::string key = ScoreRowFields::storedGolferKey(golfer);
    int rc = store::seekKey(table, key + toKey);
    if (rc != store::storeOk && rc != store::storeAfter)
        return;
    // The golfer's rows are contiguous and newest first: the first row of another golfer or below
    // the from date ends the walk.
    for (rc = store::storeOk; rc == store::storeOk; rc = store::skipRecords(table, 1)) {
        if (row.golferField() != key || row.dateKey() < std::string_view(fromKey))
            break;
        if (row.isInitialHandicapRound() || (detail && !row.isFairwayStat()))
            continue;
        for (CGraphStat& s : series)
            s.add(valueOf(row, s.kind));
    }
}

GraphScale computeScale(const CGraphStat& series) {
    GraphScale scale;
    if (!series.dataScale) {
        scale.low = 0;
        scale.range = 20;
        scale.ticks = {0, 5, 10, 15, 18};
        return scale;
    }
    const int smallest = series.values.empty() ? 0 : series.smallest;
    scale.low = smallest / 10 * 10;
    const int high = (series.largest + 10) / 10 * 10;
    scale.range = high - scale.low;
    const int step = scale.range < 30 ? 5 : scale.range <= 50 ? 10 : 20;
    for (int tick = scale.low; tick <= high && scale.ticks.size() < GraphScale::maxTicks; tick += step)
        scale.ticks.push_back(tick);
    return scale;
}

GraphScales assignScales(GraphSeries& series) {
    GraphScales scales;
    if (series.empty())
        return scales;
    scales.first = computeScale(series.front());
    if (series.front().dataScale && series.size() > 1) {
        scales.second = computeScale(series[1]);
        scales.hasSecond = true;
    }
    for (std::size_t i = 0; i < series.size(); ++i) {
        series[i].scale = i > 0 && series.front().dataScale ? 2 : 1;
        scales.secondUsed = scales.secondUsed || series[i].scale == 2;
    }
    return scales;
}

GraphDrawResult drawGraph(const GraphRect& rect, platform::PrintSurface& surface, GraphPlot& plot) {
    const int H = surface.lineHeight();
    const int W = surface.averageCharWidth();
    const int frameLeft = rect.left + 4 * W;
    const int frameRight = rect.right - 5 * W;
    const int frameTop = rect.top + 2 * H;
    const int frameBottom = rect.bottom - 2 * H;
    surface.drawLine(frameLeft, frameTop, frameLeft, frameBottom, 1, black);
    surface.drawLine(frameLeft, frameBottom, frameRight, frameBottom, 1, black);
    surface.drawLine(frameRight, frameBottom, frameRight, frameTop, 1, black);

    plot.inner = {frameLeft + 2, frameTop, frameRight - 2, frameBottom - 2};
    plot.drawn = false;
    const GraphRect& in = plot.inner;
    const int width = in.right - in.left;
    const int n = plot.series.empty() ? 0 : plot.series.front().count();
    if (3 * n >= width)
        return GraphDrawResult::TooManyRounds;
    if (n < 2)
        return GraphDrawResult::Drawn; // the command never shows a graph of fewer rounds
    const int step = width / (n - 1);

    const int height = rect.bottom - 3 * H;
    const GraphScales& scales = plot.scales;
    plot.pixelsPerUnit1 = scales.first.range > 0 ? height / scales.first.range : 0;
    plot.pixelsPerUnit2 = scales.hasSecond && scales.second.range > 0 ? height / scales.second.range : 0;
    drawLabels(surface, scales.first, rect.left, rect.bottom - 3 * H, plot.pixelsPerUnit1);
    if (scales.hasSecond && scales.secondUsed)
        drawLabels(surface, scales.second, rect.right - 4 * W, rect.bottom - 3 * H, plot.pixelsPerUnit2);

    surface.setTextColour(black);
    const int datesY = rect.bottom - 2 * H + 3;
    surface.drawText(rect.left + 5 * W, datesY, dateText(plot.from));
    surface.drawText(rect.right - 5 * W - 12 * W, datesY, dateText(plot.to));

    int leftX = rect.left + 6 * W + 2;
    int rightX = rect.right - 7 * W - 2;
    for (const CGraphStat& s : plot.series) {
        surface.setTextColour(s.colour);
        const int w = textWidth(s.name, W);
        if (s.scale == 1) {
            surface.drawText(leftX, rect.top + H, s.name);
            leftX += w + 3 * W;
        } else {
            surface.drawText(rightX - w, rect.top + H, s.name);
            rightX -= w + 3 * W;
        }
    }

    const int pen = H / 4;
    const int radius = H / 6;
    for (CGraphStat& s : plot.series) {
        const bool second = s.scale == 2;
        s.pixelsPerUnit = second ? plot.pixelsPerUnit2 : plot.pixelsPerUnit1;
        const int low = second ? scales.second.low : scales.first.low;
        int x = in.left + 2;
        int previousX = 0, previousY = 0;
        for (auto v = s.values.rbegin(); v != s.values.rend(); ++v) {
            const int y = in.bottom - (*v - low) * s.pixelsPerUnit;
            surface.drawCircle(x, y, radius, s.colour);
            if (v != s.values.rbegin())
                surface.drawLine(previousX, previousY, x, y, pen, s.colour);
            previousX = x;
            previousY = y;
            x += step;
        }
    }
    plot.drawn = true;
    return GraphDrawResult::Drawn;
}

GraphValues valueAt(const GraphPlot& plot, int y) {
    GraphValues values;
    values.first = valueAtHeight(plot.inner.bottom, y, plot.pixelsPerUnit1, plot.scales.first.low);
    if (plot.scales.hasSecond)
        values.second = valueAtHeight(plot.inner.bottom, y, plot.pixelsPerUnit2, plot.scales.second.low);
    return values;
}

std::string popupText(const GraphPlot& plot, int y) {
    const GraphValues v = valueAt(plot, y);
    if (plot.scales.secondUsed)
        return formatText("<=== %3d  or  %3d ===>", v.first, v.second);
    return formatText("%3d", v.first);
}

} // namespace kip::stats
