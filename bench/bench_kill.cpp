// The larger crash run: many SIGKILLs at random moments of every write sequence, each followed by
// the checks of the crash test. The counters are the figures: kills, opens, faulty rows, faulty
// indexes, mixed sets, indexes rebuilt at the next open, children done before the kill.
//   bench_kill [--benchmark_filter=...]   (KIP_KILLS=n sets the kills per sequence, default 100)

#include "BenchData.h"
#include "support/KillHarness.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

using kip::killtest::Operation;

int killsPerSequence() {
    const char* text = std::getenv("KIP_KILLS");
    return text ? std::max(1, std::atoi(text)) : 100;
}

void killRun(benchmark::State& state) {
    const auto op = static_cast<Operation>(state.range(0));
    kip::killtest::Outcome outcome;
    for (auto _ : state) {
        kip::bench::TempFolder data("kip-kill-data-");
        kip::bench::TempFolder saved("kip-kill-backup-");
        kip::killtest::Harness harness(data.folder(), saved.folder(), KIP_BENCH_CLI_PATH, 100, 100,
                                       4321u + static_cast<unsigned>(state.range(0)));
        harness.run(op, killsPerSequence(), outcome);
    }
    state.counters["kills"] = outcome.kills;
    state.counters["opened"] = outcome.opened;
    state.counters["rowsFaulty"] = outcome.rowsFaulty;
    state.counters["indexFaulty"] = outcome.indexFaulty;
    state.counters["mixedSets"] = outcome.mixedSets;
    state.counters["indexRebuilt"] = outcome.indexesRebuilt;
    state.counters["doneFirst"] = outcome.finishedBefore;
    for (const std::string& fault : outcome.faults)
        std::cerr << kip::killtest::operationName(op) << ": " << fault << '\n';
}

} // namespace

BENCHMARK(killRun)->DenseRange(0, 6)->Iterations(1)->Unit(benchmark::kSecond);
