// Compound index speed with 100,000 score-table keys (golfer name + date, K = 48, descending):
// inserting with a flush after each key as appending rows does, walking, seeking and rebuilding.

#include "store/CompoundIndex.h"
#include "store/TableStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <sys/resource.h>

using namespace kip::store;

namespace {

constexpr int keyCount = 100000;

std::vector<IndexEntry> scoreKeys() {
    std::mt19937 rng(42);
    std::vector<std::string> golfers;
    for (int g = 0; g < 300; ++g) {
        std::string name = "Golfer" + std::to_string(rng() % 100000) + ", Player" + std::to_string(g);
        name.resize(40, ' ');
        golfers.push_back(name);
    }
    std::vector<IndexEntry> keys;
    for (uint32_t record = 1; record <= keyCount; ++record) {
        char date[9];
        std::snprintf(date, sizeof date, "%04u%02u%02u", 2000 + unsigned(rng() % 25),
                      1 + unsigned(rng() % 12), 1 + unsigned(rng() % 28));
        keys.push_back({golfers[rng() % golfers.size()] + date, record});
    }
    return keys;
}

const std::vector<IndexEntry>& keys() {
    static const std::vector<IndexEntry> all = scoreKeys();
    return all;
}

IndexTagInfo scoresTag() {
    return {"SCORESTAG", "GOLFER+DATE", ".NOT. DELETED()", 48, true, false, true};
}

std::string freshPath(const char* name) {
    const auto path = std::filesystem::temp_directory_path() / (std::string("kipbench-") + name + ".cdx");
    std::filesystem::remove(path);
    return path.string();
}

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// An open index over the 100,000 keys; its file is removed when the benchmark ends.
class BuiltIndex {
public:
    explicit BuiltIndex(const char* name) : path_(freshPath(name)) {
        CompoundIndex::writeFresh(path_, {scoresTag()}, {keys()});
        CompoundIndex::open(path_, false, index_);
    }
    ~BuiltIndex() {
        index_.reset();
        std::filesystem::remove(path_);
    }
    BuiltIndex(const BuiltIndex&) = delete;
    BuiltIndex& operator=(const BuiltIndex&) = delete;
    CompoundIndex* operator->() const { return index_.get(); }

private:
    std::string path_;
    std::unique_ptr<CompoundIndex> index_;
};

void BM_InsertWithFlushEach(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = freshPath("insert");
        std::unique_ptr<CompoundIndex> index;
        CompoundIndex::create(path, {scoresTag()}, index);
        state.ResumeTiming();
        for (const IndexEntry& e : keys()) {
            index->insert(0, e.key, e.record);
            index->flush();
        }
        state.PauseTiming();
        state.counters["file_KiB"] = static_cast<double>(std::filesystem::file_size(path)) / 1024.0;
        index.reset();
        std::filesystem::remove(path);
        state.ResumeTiming();
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_InsertWithFlushEach)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WalkDescending(benchmark::State& state) {
    BuiltIndex index("walk");
    for (auto _ : state) {
        IndexEntry e;
        long walked = 0;
        for (int rc = index->last(0, e); rc == storeOk; rc = index->previous(0, e.key, e.record, e))
            ++walked;
        benchmark::DoNotOptimize(walked);
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_WalkDescending)->Unit(benchmark::kMillisecond);

void BM_RandomSeeks(benchmark::State& state) {
    BuiltIndex index("seek");
    std::vector<std::string> probes;
    std::mt19937 rng(7);
    for (int i = 0; i < keyCount; ++i)
        probes.push_back(keys()[rng() % keys().size()].key.substr(0, 40) + "99999999");
    for (auto _ : state) {
        IndexEntry e;
        for (const std::string& probe : probes)
            benchmark::DoNotOptimize(index->seekLastAtOrBelow(0, probe, e));
    }
}
BENCHMARK(BM_RandomSeeks)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state) {
    const std::string path = freshPath("open");
    CompoundIndex::writeFresh(path, {scoresTag()}, {keys()});
    for (auto _ : state) {
        std::unique_ptr<CompoundIndex> index;
        benchmark::DoNotOptimize(CompoundIndex::open(path, false, index));
    }
    state.counters["file_KiB"] = static_cast<double>(std::filesystem::file_size(path)) / 1024.0;
    std::filesystem::remove(path);
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_RebuildAndFlush(benchmark::State& state) {
    BuiltIndex index("rebuild");
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<IndexEntry> entries = keys();
        state.ResumeTiming();
        index->rebuild(0, std::move(entries));
        index->flush();
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_RebuildAndFlush)->Unit(benchmark::kMillisecond);

} // namespace
