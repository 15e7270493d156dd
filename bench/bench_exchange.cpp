// Speed of the rounds file over 100,000 rounds (1,000 golfers, 100 hole-by-hole rounds each):
// exporting them all, and importing them into an empty score table with its index kept up to date
// and the table made durable at the end. The peak memory counter is the whole process's.

#include "BenchData.h"
#include "exchange/RoundsFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using namespace kip;
using namespace kip::bench;

void fill(golfdb::CKipGolfDoc& doc) {
    fillDatabase(doc, [](golfdb::ScoreRecord& round, int r) {
        spreadOverYears(round, r);
        round.flags = golfdb::flagCourseHandicap;
        round.yardage[0] = 12;
        for (int h = 1; h < golfdb::holeSlots; ++h) {
            const auto hole = static_cast<size_t>(h);
            round.yardage[hole] = 150 + 20 * h;
            round.par[hole] = 4;
            round.strokes[hole] = static_cast<std::int8_t>(4 + (r + h) % 3);
            round.putts[hole] = 2;
            round.holeFlags[hole] = static_cast<std::uint8_t>((r + h) % 4);
        }
        round.differential = 10.0 + r % 20;
    });
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The filled database and its export, built once per run.
class RoundsData {
public:
    RoundsData() : temp_("kipgolf-bench-exchange-") {
        fs::create_directories(temp_.root() / "full");
        doc_ = std::make_unique<golfdb::CKipGolfDoc>(folder("full"), prompter_);
        doc_->openDatabase();
        fill(*doc_);
        exchange::exportRounds(doc_->scoreTable(), file());
    }
    golfdb::ScoreTable& scores() { return doc_->scoreTable(); }
    std::string file() const { return (temp_.root() / "rounds.csv").string(); }
    std::string folder(const std::string& name) const { return (temp_.root() / name).string() + "/"; }
    const fs::path& root() const { return temp_.root(); }

private:
    TempFolder temp_;
    YesPrompter prompter_;
    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
};

RoundsData& data() {
    static RoundsData d;
    return d;
}

void BM_ExportRounds(benchmark::State& state) {
    const std::string out = (data().root() / "export.csv").string();
    for (auto _ : state)
        benchmark::DoNotOptimize(exchange::exportRounds(data().scores(), out));
    state.counters["rounds"] = golferCount * roundsPerGolfer;
    state.counters["file_MB"] = static_cast<double>(fs::file_size(out)) / 1e6;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_ExportRounds)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ImportRoundsIntoEmptyTable(benchmark::State& state) {
    long stored = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::remove_all(data().root() / "empty", ec);
        fs::create_directories(data().root() / "empty");
        auto scores = std::make_unique<golfdb::ScoreTable>(data().folder("empty") + "Scores");
        scores->create();
        state.ResumeTiming();
        stored = exchange::importRounds(*scores, data().file()).roundsStored;
        state.PauseTiming();
        scores.reset();
        state.ResumeTiming();
    }
    state.counters["rounds"] = static_cast<double>(stored);
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_ImportRoundsIntoEmptyTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole round trip: the file imported into an empty table and exported again must be the same
// bytes ("identical" 1); the time is the import and the second export.
void BM_ExportImportExport(benchmark::State& state) {
    const std::string again = (data().root() / "again.csv").string();
    exchange::ImportSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::remove_all(data().root() / "trip", ec);
        fs::create_directories(data().root() / "trip");
        auto scores = std::make_unique<golfdb::ScoreTable>(data().folder("trip") + "Scores");
        scores->create();
        state.ResumeTiming();
        summary = exchange::importRounds(*scores, data().file());
        exchange::exportRounds(*scores, again);
        state.PauseTiming();
        scores.reset();
        state.ResumeTiming();
    }
    const auto contents = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    state.counters["rounds"] = static_cast<double>(summary.roundsStored);
    state.counters["refused_or_changed"] = static_cast<double>(summary.roundsRefused + summary.roundsChanged);
    state.counters["identical"] = contents(again) == contents(data().file()) ? 1 : 0;
}
BENCHMARK(BM_ExportImportExport)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
