// Speed of the golfer statistics over the large score table: 100,000 rounds of 1,000 golfers, all
// entered hole by hole with fairway and green figures.

#include "BenchData.h"

#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"
#include "stats/CFairways.h"
#include "stats/CHoleStats.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kip;
using namespace kip::bench;

HoleByHoleDatabase& database() {
    static HoleByHoleDatabase db("kipgolf-bench-stats-");
    return db;
}

void BM_BasicAllGolfers(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    for (auto _ : state) {
        stats::CBasicAllStats all;
        all.compute(doc.golferTable(), doc.scoreTable(), nullptr);
        benchmark::DoNotOptimize(all.size());
    }
    state.counters["rounds"] = golferCount * roundsPerGolfer;
}
BENCHMARK(BM_BasicAllGolfers)->Unit(benchmark::kMillisecond);

template <class Stats> void oneGolfer(benchmark::State& state) {
    golfdb::CKipGolfDoc& doc = database().doc();
    Stats stats;
    stats.subject.setGolfer(golferName(golferCount / 2));
    for (auto _ : state) {
        stats.compute(doc.scoreTable(), nullptr);
        benchmark::DoNotOptimize(&stats);
    }
}

void BM_BasicOneGolfer(benchmark::State& state) {
    oneGolfer<stats::CBasicStats>(state);
    stats::CBasicStats check;
    check.subject.setGolfer(golferName(golferCount / 2));
    check.compute(database().doc().scoreTable(), nullptr);
    state.counters["rounds"] = check.results().totalRounds; // every round of the golfer was walked
}
BENCHMARK(BM_BasicOneGolfer)->Unit(benchmark::kMicrosecond);

void BM_HoleTypeOneGolfer(benchmark::State& state) {
    oneGolfer<stats::CHoleStats>(state);
}
BENCHMARK(BM_HoleTypeOneGolfer)->Unit(benchmark::kMicrosecond);

void BM_FairwaysOneGolfer(benchmark::State& state) {
    oneGolfer<stats::CFairways>(state);
}
BENCHMARK(BM_FairwaysOneGolfer)->Unit(benchmark::kMicrosecond);

} // namespace
