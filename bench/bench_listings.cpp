// Speed of the listings over the large score table (100,000 rounds of 1,000 golfers): the two
// rankings and course statistics of every golfer, the round listing's worker, and the graph of one
// golfer's 100 rounds computed and drawn.

#include "BenchData.h"

#include "stats/CCourseStatsDlg.h"
#include "stats/CFewestPuttsDlg.h"
#include "stats/CListRounds.h"
#include "stats/CLowestScoresDlg.h"
#include "stats/QueuedRoundPoster.h"
#include "stats/StatsGraph.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace kip;
using namespace kip::bench;

HoleByHoleDatabase& database() {
    static HoleByHoleDatabase db("kipgolf-bench-listings-");
    return db;
}

template <class Dialog> void rankedAllGolfers(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    for (auto _ : state) {
        Dialog dialog;
        dialog.rank(doc.scoreTable(), nullptr, nullptr);
        dialog.buildLines(doc.scoreTable());
        benchmark::DoNotOptimize(dialog.size());
    }
    state.counters["rounds"] = golferCount * roundsPerGolfer;
}
void BM_LowestRoundsAllGolfers(benchmark::State& state) {
    rankedAllGolfers<stats::CLowestScoresDlg>(state);
}
void BM_FewestPuttsAllGolfers(benchmark::State& state) {
    rankedAllGolfers<stats::CFewestPuttsDlg>(state);
}
BENCHMARK(BM_LowestRoundsAllGolfers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FewestPuttsAllGolfers)->Unit(benchmark::kMillisecond);

void BM_CourseStatsAllGolfers(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    for (auto _ : state) {
        stats::CCourseStatsDlg dialog;
        dialog.courseName = "Alder Run";
        dialog.teeName = "Blue";
        dialog.compute(doc.scoreTable(), nullptr);
        benchmark::DoNotOptimize(dialog.rounds());
    }
}
BENCHMARK(BM_CourseStatsAllGolfers)->Unit(benchmark::kMillisecond);

// View All Rounds for every golfer: the time until the first lines are in the dialog, and until
// all 100,000 are, pumped as the window's event loop would.
void BM_ViewAllRoundsAllGolfers(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    double firstLines = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        stats::CListRounds dialog(doc.dataDir(), {.golferRows = database().golferRows()}, {}, nullptr,
                                  nullptr);
        stats::QueuedRoundPoster poster;
        dialog.open(poster);
        while (dialog.size() <= 1)
            poster.pump(dialog);
        firstLines =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        poster.pumpUntilDone(dialog);
        dialog.closeListing();
        benchmark::DoNotOptimize(dialog.size());
    }
    state.counters["first_lines_ms"] = firstLines;
}
BENCHMARK(BM_ViewAllRoundsAllGolfers)->Unit(benchmark::kMillisecond)->UseRealTime();

// Draws nothing: the cost of the layout arithmetic and the calls.
class NullSurface : public platform::PrintSurface {
public:
    int lineHeight() const override { return 16; }
    int averageCharWidth() const override { return 7; }
    int pageHeight() const override { return 600; }
    int pageWidth() const override { return 1000; }
    void setTextColour(platform::Colour) override {}
    void drawText(int x, int y, const std::string& text) override {
        benchmark::DoNotOptimize(x + y + text.size());
    }
    void drawTabbedText(int, int, const std::string&, const std::vector<int>&) override {}
    void drawLine(int x1, int y1, int x2, int y2, int, platform::Colour) override {
        benchmark::DoNotOptimize(x1 + y1 + x2 + y2);
    }
    void drawCircle(int x, int y, int r, platform::Colour) override { benchmark::DoNotOptimize(x + y + r); }
    void newPage() override {}
    void finish() override {}
};

void BM_GraphComputeOneGolfer(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    for (auto _ : state) {
        stats::GraphSeries series = stats::makeGraphSeries(true, false, true, true, true);
        stats::computeGraphSeries(doc.scoreTable(), golferName(500), "10000101", "99991231", series, nullptr);
        const stats::GraphScales scales = stats::assignScales(series);
        benchmark::DoNotOptimize(scales.first.range);
        if (series.front().count() != roundsPerGolfer)
            state.SkipWithError("not 100 rounds");
    }
}
BENCHMARK(BM_GraphComputeOneGolfer)->Unit(benchmark::kMicrosecond);

void BM_GraphDrawOneGolfer(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    stats::GraphPlot plot;
    plot.series = stats::makeGraphSeries(true, false, true, true, true);
    stats::computeGraphSeries(doc.scoreTable(), golferName(500), "10000101", "99991231", plot.series,
                              nullptr);
    plot.scales = stats::assignScales(plot.series);
    NullSurface surface;
    for (auto _ : state)
        benchmark::DoNotOptimize(stats::drawGraph({0, 0, 1000, 600}, surface, plot));
}
BENCHMARK(BM_GraphDrawOneGolfer)->Unit(benchmark::kMicrosecond);

} // namespace
