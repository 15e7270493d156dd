// Table store speed and memory with 100,000 score-shaped rows (293-byte records, a 48-byte
// descending key), the size of a long-kept golf database.

#include "golfdb/GolfSchema.h"
#include "store/DbfReindex.h"
#include "store/TableStore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace kip::store;

constexpr int rowCount = 100000;
constexpr int golferCount = 400;

// A folder of this run's own, removed when the program exits.
struct WorkFolder {
    WorkFolder() : path(fs::temp_directory_path() / ("kipgolf-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(path);
    }
    ~WorkFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path path;
};

fs::path workFolder() {
    static const WorkFolder folder;
    return folder.path;
}

std::string golferName(int i) {
    char name[48];
    std::snprintf(name, sizeof name, "Golfer%04d, Player", i);
    return name;
}

// Rounds in a shuffled order, as a golf database collects them over the years.
std::vector<std::pair<int, int>> rounds() {
    std::vector<std::pair<int, int>> all;
    for (int i = 0; i < rowCount; ++i)
        all.emplace_back(i % golferCount, i / golferCount);
    std::shuffle(all.begin(), all.end(), std::mt19937(7));
    return all;
}

std::string dateText(int n) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", 1990 + n / 300, 1 + (n / 28) % 12, 1 + n % 28);
    return date;
}

void resetFiles(const fs::path& base) {
    fs::remove(base.string() + ".dbf");
    fs::remove(base.string() + ".cdx");
}

int fillScores(Table* t) {
    Field* golfer = fieldByName(t, "GOLFER");
    Field* date = fieldByName(t, "DATE");
    Field* name = fieldByName(t, "NAME");
    Field* index = fieldByName(t, "HCINDEX");
    Field* total = fieldByName(t, "TOTSTROKES");
    Field* scores = fieldByName(t, "SCORES");
    for (const auto& [g, n] : rounds()) {
        appendStart(t);
        blankRecord(t);
        assignText(name, "Cedar Ridge");
        assignText(golfer, golferName(g));
        assignText(date, dateText(n));
        assignDouble(index, 12.4);
        assignLong(total, 72 + n % 20);
        for (int h = 0; h < 19; ++h)
            *fieldBytes(scores, h) = static_cast<unsigned char>(h % 6);
        if (const int rc = appendRecord(t); rc != storeOk)
            return rc;
        if (const int rc = flushTable(t); rc != storeOk)
            return rc;
    }
    return storeOk;
}

// One filled table shared by the reading benchmarks.
const fs::path& sharedScores() {
    static const fs::path base = [] {
        const fs::path p = workFolder() / "Shared";
        resetFiles(p);
        TableContext ctx;
        Table* t = createTable(ctx, p.string(), kip::golfdb::scoreFields(), {kip::golfdb::scoresTag()});
        if (t == nullptr || fillScores(t) != storeOk)
            std::abort();
        closeTable(t);
        return p;
    }();
    return base;
}

void reportMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxRSS_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_AppendWithFlush(benchmark::State& state) {
    const fs::path base = workFolder() / "Append";
    for (auto _ : state) {
        state.PauseTiming();
        resetFiles(base);
        TableContext ctx;
        Table* t = createTable(ctx, base.string(), kip::golfdb::scoreFields(), {kip::golfdb::scoresTag()});
        state.ResumeTiming();
        if (t == nullptr || fillScores(t) != storeOk)
            state.SkipWithError("append failed");
        closeTable(t);
    }
    reportMemory(state);
}
BENCHMARK(BM_AppendWithFlush)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_WalkTagOrder(benchmark::State& state) {
    TableContext ctx;
    Table* t = openTable(ctx, sharedScores().string());
    selectTag(t, findTag(t, kip::golfdb::scoresTagName));
    Field* golfer = fieldByName(t, "GOLFER");
    Field* index = fieldByName(t, "HCINDEX");
    Field* total = fieldByName(t, "TOTSTROKES");
    for (auto _ : state) {
        long rows = 0;
        double sum = 0;
        for (int rc = goTop(t); rc == storeOk; rc = skipRecords(t, 1)) {
            benchmark::DoNotOptimize(fieldText(golfer));
            sum += fieldDouble(index) + static_cast<double>(fieldLong(total));
            ++rows;
        }
        benchmark::DoNotOptimize(sum);
        if (rows != rowCount)
            state.SkipWithError("walk missed rows");
    }
    reportMemory(state);
}
BENCHMARK(BM_WalkTagOrder)->Unit(benchmark::kMillisecond);

void BM_RandomSeeks(benchmark::State& state) {
    TableContext ctx;
    Table* t = openTable(ctx, sharedScores().string());
    selectTag(t, findTag(t, kip::golfdb::scoresTagName));
    std::vector<std::string> keys;
    std::mt19937 random(11);
    for (int i = 0; i < rowCount; ++i) {
        std::string key = golferName(static_cast<int>(random() % golferCount));
        key.resize(40, ' ');
        keys.push_back(key + (i % 2 ? "99999999" : dateText(static_cast<int>(random() % 250))));
    }
    for (auto _ : state)
        for (const auto& key : keys)
            benchmark::DoNotOptimize(seekKey(t, key));
    reportMemory(state);
}
BENCHMARK(BM_RandomSeeks)->Unit(benchmark::kMillisecond);

void BM_RebuildTag(benchmark::State& state) {
    const fs::path base = sharedScores();
    for (auto _ : state) {
        std::string problem;
        if (DbfReindex::run(base.string() + ".dbf", {}, problem) != storeOk)
            state.SkipWithError(problem.c_str());
    }
    reportMemory(state);
}
BENCHMARK(BM_RebuildTag)->Unit(benchmark::kMillisecond);

void BM_PackAfterDeletingTenPercent(benchmark::State& state) {
    const fs::path base = workFolder() / "Pack";
    for (auto _ : state) {
        state.PauseTiming();
        resetFiles(base);
        fs::copy_file(sharedScores().string() + ".dbf", base.string() + ".dbf");
        fs::copy_file(sharedScores().string() + ".cdx", base.string() + ".cdx");
        TableContext ctx;
        Table* t = openTable(ctx, base.string());
        for (long r = 1; r <= rowCount; r += 10) {
            goRecord(t, r);
            deleteRecord(t);
            flushTable(t);
        }
        state.ResumeTiming();
        if (packTable(t) != storeOk || recordCount(t) != rowCount - rowCount / 10)
            state.SkipWithError("pack failed");
        state.PauseTiming();
        closeTable(t);
        state.ResumeTiming();
    }
    reportMemory(state);
}
BENCHMARK(BM_PackAfterDeletingTenPercent)->Unit(benchmark::kMillisecond);

} // namespace
