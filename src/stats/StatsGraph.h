#pragma once
// The statistics graph: up to five statistics per round of one golfer over a date range, drawn as
// lines against one or two vertical scales, oldest round on the left. The series, their scales and
// the layout are computed here; drawGraph draws on any surface (the window's control and the
// landscape print).

#include "golfdb/ScoreTable.h"
#include "platform/Clock.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"

#include <string>
#include <vector>

namespace kip::stats {

enum class GraphKind { GrossScore = 1, Putts = 2, Greens = 3, FairwaysHit = 4, ParOrLess = 7 };

struct CGraphStat {
    GraphKind kind = GraphKind::GrossScore;
    std::string name;
    platform::Colour colour;
    std::vector<int> values; // one per graphed round, newest round first
    int smallest = 9999;
    int largest = 0;
    bool dataScale = true; // false: the fixed scale 0 to 18
    int scale = 1;         // drawn against scale 1 (left) or 2 (right)
    int pixelsPerUnit = 0;

    explicit CGraphStat(GraphKind kind);
    int count() const { return static_cast<int>(values.size()); }
    void add(int value);
};

using GraphSeries = std::vector<CGraphStat>;

// The series of the checked statistics in graph order: Gross Score, Putts, Par or Less, Greens,
// Fairways Hit.
GraphSeries makeGraphSeries(bool scores, bool putts, bool fairways, bool greens, bool parsOrLess);

// Fills every series with one value per qualifying round of the golfer (name as stored) dated from
// fromKey through toKey, in one seek and one pass, newest round first. Rounds entered as a total
// only or left out of fairway statistics count only when the one series is Gross Score.
void computeGraphSeries(golfdb::ScoreTable& scores, const std::string& golfer, const std::string& fromKey,
                        const std::string& toKey, GraphSeries& series, platform::WaitCursor* cursor);

struct GraphScale {
    int low = 0;
    int range = 0;
    std::vector<int> ticks; // at most maxTicks
    static constexpr std::size_t maxTicks = 10;
};

GraphScale computeScale(const CGraphStat& series);

struct GraphScales {
    GraphScale first;
    GraphScale second;
    bool hasSecond = false;
    // Whether any series is drawn against the second scale.
    bool secondUsed = false;
};

// Decides the left and the right scale and which series uses which.
GraphScales assignScales(GraphSeries& series);

struct GraphRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Everything one graph draws from, and the layout its last drawing left for the click popup.
struct GraphPlot {
    GraphSeries series;
    GraphScales scales;
    platform::Date from, to;

    // From the last drawGraph.
    GraphRect inner;
    int pixelsPerUnit1 = 0;
    int pixelsPerUnit2 = 0;
    bool drawn = false;
};

enum class GraphDrawResult { Drawn, TooManyRounds };

inline constexpr const char* tooManyRoundsText =
    "Too many rounds to graph in screen size, reduce the date range";
inline constexpr const char* graphErrorCaption = "Graph Error";

// Draws frame, scales, dates, legend and lines on the rectangle. With more rounds than fit, nothing
// but the frame is drawn and the caller shows tooManyRoundsText.
GraphDrawResult drawGraph(const GraphRect& rect, platform::PrintSurface& surface, GraphPlot& plot);

struct GraphValues {
    int first = 0;
    int second = 0;
};
// The values of scale 1 and scale 2 at a height of the last drawing.
GraphValues valueAt(const GraphPlot& plot, int y);
// The click popup's line: "%3d", or "<=== %3d  or  %3d ===>" when a series uses scale 2.
std::string popupText(const GraphPlot& plot, int y);

} // namespace kip::stats
