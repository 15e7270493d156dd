// The master course list: a 20,000-row master table walked by the loader on its own thread, every
// group received by the Copy From Master model and merged into its sorted list.

#include "BenchData.h"
#include "golfdb/CKipGolfDoc.h"
#include "manage/CMergeMaster.h"
#include "manage/QueuedMasterPoster.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace kip;

constexpr int masterGroups = 10000;
constexpr int teesPerGroup = 2; // 20,000 rows

// A data folder with empty golf tables and a KipCourses of masterGroups courses in many states.
struct MasterFolder {
    bench::TempFolder folder{"kipmaster"};
    bench::YesPrompter prompter;
    golfdb::CKipGolfDoc doc{folder.folder(), prompter};

    MasterFolder() {
        doc.openDatabase();
        golfdb::CourseTable master(folder.folder() + "KipCourses");
        master.create();
        const char* states[] = {"KY", "OH", "IN", "TN", "WV", "PA", "NY", "CA", "TX", "FL"};
        for (int i = 0; i < masterGroups; ++i) {
            // Names in a shuffled order so that neither list order is the table's own order.
            char name[48], city[24];
            std::snprintf(name, sizeof name, "%s Golf Club %05d", i % 2 ? "Meadow" : "Hill",
                          (i * 7919) % 100000);
            std::snprintf(city, sizeof city, "Town %03d", (i * 31) % 997);
            for (int t = 0; t < teesPerGroup; ++t) {
                auto& r = master.record();
                r.clearCourse();
                r.name = name;
                r.city = city;
                r.state = states[(i * 13) % 10];
                r.tee = t == 0 ? "Blue" : "White";
                r.slope = 120;
                r.rating = 70.1;
                for (int h = 1; h < golfdb::holeSlots; ++h) {
                    r.par[static_cast<std::size_t>(h)] = 4;
                    r.yardage[static_cast<std::size_t>(h)] = 400;
                }
                master.add();
            }
        }
        master.sync();
        master.close();
        doc.openMasterTable();
    }
};

MasterFolder& masterFolder() {
    static MasterFolder folder;
    return folder;
}

// From opening the dialog to the end message: the loader's walk, every message handed to the model on
// the receiving thread, and the merged sorted list.
void BM_MasterModelReceivesEveryLine(benchmark::State& state) {
    MasterFolder& data = masterFolder();
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
