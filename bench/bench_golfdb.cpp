// Speed of the golf document over a large score table: 100,000 rounds of 1,000 golfers, 10,000 per
// year over ten years.

#include "golfdb/CKipGolfDoc.h"
#include "platform/Prompter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>

namespace {

namespace fs = std::filesystem;
using namespace kip;

constexpr int golferCount = 1000;
constexpr int roundsPerGolfer = 100;
constexpr int firstYear = 2015;
constexpr int years = 10;

class YesPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& message) override {
        return message.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    }
};

std::string golferName(int i) {
    std::array<char, 48> name{};
    std::snprintf(name.data(), name.size(), "Golfer%04d, Test", i);
    return name.data();
}

void fill(golfdb::CKipGolfDoc& doc) {
    auto& golfers = doc.golferTable();
    auto& scores = doc.scoreTable();
    for (int g = 0; g < golferCount; ++g) {
        golfers.record().clear();
        golfers.record().name = golferName(g);
        golfers.add();
        for (int r = 0; r < roundsPerGolfer; ++r) {
            auto& round = scores.record();
            round.clear();
            round.golfer = golferName(g);
            round.name = "Alder Run";
            round.tee = "Blue";
            round.slope = 125;
            round.rating = 71.5;
            round.year = firstYear + r % years;
            round.month = 1 + (r / years) % 12;
            round.day = 1 + r % 28;
            for (int h = 1; h < golfdb::holeSlots; ++h) {
                round.par[static_cast<size_t>(h)] = 4;
                round.strokes[static_cast<size_t>(h)] = static_cast<std::int8_t>(4 + (r + h) % 3);
                round.putts[static_cast<size_t>(h)] = 2;
            }
            round.differential = 10.0 + r % 20;
            scores.add();
        }
    }
    doc.syncAll();
}

// A filled data folder built once per run; each benchmark works on a fresh copy of it.
class LargeDatabase {
public:
    LargeDatabase()
        : root_(fs::temp_directory_path() / ("kipgolf-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(root_ / "template");
        golfdb::CKipGolfDoc doc(folder("template"), prompter_);
        doc.openDatabase();
        fill(doc);
    }
    ~LargeDatabase() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    LargeDatabase(const LargeDatabase&) = delete;
    LargeDatabase& operator=(const LargeDatabase&) = delete;

    // A fresh copy of the template folder.
    std::string freshCopy(const std::string& name) {
        std::error_code ec;
        fs::remove_all(root_ / name, ec);
        fs::copy(root_ / "template", root_ / name, fs::copy_options::recursive);
        return folder(name);
    }
    std::string folder(const std::string& name) const { return (root_ / name).string() + "/"; }
    platform::Prompter& prompter() { return prompter_; }

private:
    fs::path root_;
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
