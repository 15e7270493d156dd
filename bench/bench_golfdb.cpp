// Speed of the golf document over a large score table: 100,000 rounds of 1,000 golfers, 10,000 per
// year over ten years.

#include "BenchData.h"
#include "golfdb/FolderSettle.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;
using namespace kip;
using namespace kip::bench;

void fill(golfdb::CKipGolfDoc& doc) {
    fillDatabase(doc, [](golfdb::ScoreRecord& round, int r) {
        spreadOverYears(round, r);
        for (int h = 1; h < golfdb::holeSlots; ++h) {
            round.par[static_cast<size_t>(h)] = 4;
            round.strokes[static_cast<size_t>(h)] = static_cast<std::int8_t>(4 + (r + h) % 3);
            round.putts[static_cast<size_t>(h)] = 2;
        }
        round.differential = 10.0 + r % 20;
    });
}

// A filled data folder built once per run; each benchmark works on a fresh copy of it.
class LargeDatabase {
public:
    LargeDatabase() : temp_("kipgolf-bench-") {
        fs::create_directories(temp_.root() / "template");
        golfdb::CKipGolfDoc doc(folder("template"), prompter_);
        doc.openDatabase();
        fill(doc);
    }

    // A fresh copy of the template folder.
    std::string freshCopy(const std::string& name) {
        std::error_code ec;
        fs::remove_all(temp_.root() / name, ec);
        fs::copy(temp_.root() / "template", temp_.root() / name, fs::copy_options::recursive);
        return folder(name);
    }
    std::string folder(const std::string& name) const { return (temp_.root() / name).string() + "/"; }
    platform::Prompter& prompter() { return prompter_; }

private:
    TempFolder temp_;
    YesPrompter prompter_;
};

LargeDatabase& database() {
    static LargeDatabase db;
    return db;
}

void BM_OpenDatabase(benchmark::State& state) {
    const std::string dir = database().freshCopy("open");
    for (auto _ : state) {
        auto doc = std::make_unique<golfdb::CKipGolfDoc>(dir, database().prompter());
        benchmark::DoNotOptimize(doc->openDatabase());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

// Start and end of a run without changes: opening and closing the three tables.
void BM_OpenAndCloseDatabase(benchmark::State& state) {
    const std::string dir = database().freshCopy("openclose");
    for (auto _ : state) {
        golfdb::CKipGolfDoc doc(dir, database().prompter());
        benchmark::DoNotOptimize(doc.openDatabase());
    }
}
BENCHMARK(BM_OpenAndCloseDatabase)->Unit(benchmark::kMillisecond);

// What every open now does before its tables open when nothing was left unfinished: look for an
// undo log, a commit mark, staging leftovers and rows beyond each table's count.
void BM_SettleFolderWithNothingToSettle(benchmark::State& state) {
    const std::string dir = database().freshCopy("settle");
    for (auto _ : state)
        golfdb::settleDataFolder(dir);
}
BENCHMARK(BM_SettleFolderWithNothingToSettle)->Unit(benchmark::kMicrosecond);

void BM_RoundListOfOneGolfer(benchmark::State& state) {
    golfdb::CKipGolfDoc doc(database().freshCopy("list"), database().prompter());
    doc.openDatabase();
    for (auto _ : state) {
        const auto items = doc.roundList(golferName(500));
        benchmark::DoNotOptimize(items.data());
        if (items.size() != roundsPerGolfer)
            state.SkipWithError("wrong round count");
    }
}
BENCHMARK(BM_RoundListOfOneGolfer)->Unit(benchmark::kMillisecond);

void BM_RenameGolferWith100Rounds(benchmark::State& state) {
    golfdb::CKipGolfDoc doc(database().freshCopy("rename"), database().prompter());
    doc.openDatabase();
    bool renamed = false;
    for (auto _ : state) {
        // Back and forth, so every iteration moves the same 100 rounds.
        const int rc = renamed ? doc.renameGolferInRounds("Golfer0500 Renamed", "Test", "Golfer0500", "Test")
                               : doc.renameGolferInRounds("Golfer0500", "Test", "Golfer0500 Renamed", "Test");
        renamed = !renamed;
        if (rc != 0)
            state.SkipWithError("rename failed");
    }
}
BENCHMARK(BM_RenameGolferWith100Rounds)->Unit(benchmark::kMillisecond);

void BM_DeleteYearOf10000Rounds(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<golfdb::CKipGolfDoc>(database().freshCopy("year"), database().prompter());
        doc->openDatabase();
        state.ResumeTiming();
        const int deleted = doc->deleteYearRounds(2020);
        state.PauseTiming();
        if (deleted != golferCount * roundsPerGolfer / years)
            state.SkipWithError("wrong number deleted");
        doc.reset(); // closing packs the table: not part of the deletion
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteYearOf10000Rounds)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
