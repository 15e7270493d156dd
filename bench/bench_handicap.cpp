// Speed of the handicap calculation over a large database: 1,000 golfers with 100 rounds each.

#include "BenchData.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapRecalculation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace kip;
using namespace kip::bench;

// The database is built once per run and removed at exit.
class LargeDatabase {
public:
    LargeDatabase() : temp_("kipgolf-bench-") {
        doc_ = std::make_unique<golfdb::CKipGolfDoc>(temp_.folder(), prompter_);
        doc_->openDatabase();
        fill();
    }
    golfdb::CKipGolfDoc& doc() { return *doc_; }

private:
    void fill() {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> differential(-20, 400);
        fillDatabase(*doc_, [&](golfdb::ScoreRecord& round, int r) {
            round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
            round.year = firstYear + r / 12;
            round.month = 1 + r % 12;
            round.day = 1 + r % 28;
            round.totalStrokes = 70 + r % 30;
            round.differential = differential(random) / 10.0;
        });
    }

    TempFolder temp_; // declared first: the document closes its tables before the folder goes
    YesPrompter prompter_;
    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
};

LargeDatabase& database() {
    static LargeDatabase db;
    return db;
}

void BM_RecalculateAllHandicaps(benchmark::State& state) {
    auto& doc = database().doc();
    for (auto _ : state) {
        const auto result = handicap::recalculateAllHandicaps(doc);
        benchmark::DoNotOptimize(result);
        if (result.golfers != golferCount || result.failedWrites != 0)
            state.SkipWithError("recalculation did not write every golfer");
    }
    state.counters["golfers"] = golferCount;
}
BENCHMARK(BM_RecalculateAllHandicaps)->Unit(benchmark::kMillisecond);

// The same recalculation under the World Handicap System, which replays every round of each golfer
// (100 here) where the legacy rules read the newest 20.
void BM_RecalculateAllHandicapsWorld(benchmark::State& state) {
    auto& doc = database().doc();
    doc.setHandicapRule(golfdb::ruleWorld);
    for (auto _ : state) {
        const auto result = handicap::recalculateAllHandicaps(doc);
        benchmark::DoNotOptimize(result);
        if (result.golfers != golferCount || result.failedWrites != 0)
            state.SkipWithError("recalculation did not write every golfer");
    }
    doc.setHandicapRule(golfdb::ruleUsga);
    state.counters["golfers"] = golferCount;
}
BENCHMARK(BM_RecalculateAllHandicapsWorld)->Unit(benchmark::kMillisecond);

void BM_ComputeHandicapIndex(benchmark::State& state) {
    auto& scores = database().doc().scoreTable();
    int g = 0;
    for (auto _ : state) {
        const auto result = handicap::computeHandicapIndex(scores, golferName(g));
        benchmark::DoNotOptimize(result);
        g = (g + 37) % golferCount;
    }
}
BENCHMARK(BM_ComputeHandicapIndex)->Unit(benchmark::kMicrosecond);

void BM_ComputeHandicapIndexWorld(benchmark::State& state) {
    auto& scores = database().doc().scoreTable();
    scores.selectRoundsUsedTable(golfdb::ruleWorld);
    int g = 0;
    for (auto _ : state) {
        const auto result = handicap::computeHandicapIndex(scores, golferName(g));
        benchmark::DoNotOptimize(result);
        g = (g + 37) % golferCount;
    }
    scores.selectRoundsUsedTable(golfdb::ruleUsga);
}
BENCHMARK(BM_ComputeHandicapIndexWorld)->Unit(benchmark::kMicrosecond);

void BM_ComputeHandicapIndexWithListing(benchmark::State& state) {
    auto& scores = database().doc().scoreTable();
    int g = 0;
    for (auto _ : state) {
        handicap::HandicapListing listing;
        const auto result = handicap::computeHandicapIndex(scores, golferName(g), &listing);
        benchmark::DoNotOptimize(result);
        g = (g + 37) % golferCount;
    }
}
BENCHMARK(BM_ComputeHandicapIndexWithListing)->Unit(benchmark::kMicrosecond);

} // namespace
