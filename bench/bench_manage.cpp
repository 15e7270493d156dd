// The master course list: a 20,000-row master table walked by the loader on its own thread, every
// group received by the Copy From Master model and merged into its sorted list.

#include "MasterData.h"
#include "manage/CMergeMaster.h"
#include "manage/QueuedMasterPoster.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace kip;

using bench::masterGroups;

bench::MasterFolder& masterFolder() {
    static bench::MasterFolder folder("kipmaster");
    return folder;
}

// From opening the dialog to the end message: the loader's walk, every message handed to the model on
// the receiving thread, and the merged sorted list.
void BM_MasterModelReceivesEveryLine(benchmark::State& state) {
    bench::MasterFolder& data = masterFolder();
    const bool byName = state.range(0) != 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        manage::CMergeMaster dialog(data.doc, data.prompter, {"", byName});
        manage::QueuedMasterPoster poster;
        dialog.open(poster);
        poster.pumpUntilEnd(dialog);
        lines = dialog.masterLines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_MasterModelReceivesEveryLine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Merging batches of 1,000 lines as they arrive against sorting the whole list once at the end.
void BM_MasterListBatchMerge(benchmark::State& state) {
    const int batch = static_cast<int>(state.range(0));
    for (auto _ : state) {
        manage::CMergeMaster dialog(masterFolder().doc, masterFolder().prompter, {});
        for (int i = 0; i < masterGroups; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Course %05d", (i * 7919) % 100000);
            dialog.receiveGroup({name, "Town", "KY", i + 1});
            if ((i + 1) % batch == 0)
                dialog.mergePending();
        }
        dialog.mergePending();
        benchmark::DoNotOptimize(dialog.masterLines().data());
    }
}
BENCHMARK(BM_MasterListBatchMerge)->Arg(1000)->Arg(masterGroups)->Unit(benchmark::kMillisecond);

} // namespace
