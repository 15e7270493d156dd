// Start-up of the window program over a large database: opening the tables and computing the
// leaderboard from 100,000 rounds (1,000 golfers, 100 rounds each over ten years).

#include "BenchData.h"
#include "app/CKipGolfView.h"
#include "app/LeaderboardLayout.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace kip;
using namespace kip::bench;

constexpr int currentYear = firstYear + years - 1;

class NoDialogs : public platform::DialogHost {
public:
    int run(platform::DialogModel&) override { return platform::dialogCancel; }
};

class MemorySettings : public platform::SettingsStore {
public:
    int readInt(const std::string&, const std::string&, int defaultValue) override { return defaultValue; }
    void writeInt(const std::string&, const std::string&, int) override {}
    std::string readText(const std::string&, const std::string&, const std::string& defaultValue) override {
        return defaultValue;
    }
    void writeText(const std::string&, const std::string&, const std::string&) override {}
};

class NoFolders : public platform::FolderChooser {
public:
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
};

void fill(golfdb::CKipGolfDoc& doc) {
    std::mt19937 random(42);
    fillDatabase(doc, [&](golfdb::ScoreRecord& round, int r) {
        spreadOverYears(round, r);
        round.yardage[0] = static_cast<std::int32_t>(random() % 30);
        // A third of the rounds are total-only, as many leagues enter them.
        if (r % 3 == 0) {
            round.flags = golfdb::flagTotalOnly;
            round.totalStrokes = static_cast<std::int32_t>(70 + random() % 40);
        } else {
            for (int h = 1; h < golfdb::holeSlots; ++h) {
                round.par[static_cast<size_t>(h)] = 4;
                round.strokes[static_cast<size_t>(h)] = static_cast<std::int8_t>(3 + random() % 4);
                round.putts[static_cast<size_t>(h)] = static_cast<std::int8_t>(1 + random() % 3);
            }
        }
        round.differential = 10.0 + r % 20;
    });
}

class LargeDatabase {
public:
    LargeDatabase() : temp_("kipgolf-bench-app-") {
        golfdb::CKipGolfDoc doc(folder(), prompter, nullptr, currentYear);
        doc.openDatabase();
        fill(doc);
    }
    std::string folder() const { return temp_.folder(); }

    YesPrompter prompter;
    NoDialogs dialogs;
    MemorySettings settings;
    platform::SystemClock clock;
    NoFolders folders;
    platform::LocalFileOps files;

    app::ViewServices services() { return {prompter, dialogs, settings, clock, folders, files, nullptr}; }

private:
    TempFolder temp_;
};

LargeDatabase& database() {
    static LargeDatabase db;
    return db;
}

// The program's own work from start to a leaderboard ready to paint: the document, the settings,
// opening the three tables and computing the leaderboard.
void BM_StartupToLeaderboard(benchmark::State& state) {
    LargeDatabase& db = database();
    for (auto _ : state) {
        auto doc = std::make_unique<golfdb::CKipGolfDoc>(db.folder(), db.prompter, nullptr, currentYear);
        auto view = std::make_unique<app::CKipGolfView>(*doc, db.services());
        benchmark::DoNotOptimize(view->initialUpdate());
        benchmark::DoNotOptimize(
            app::layoutLeaderboard(view->leaderboard(), app::FontMetrics{8, 19, 26}, view->noShow()));
        state.PauseTiming();
        view.reset();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["rounds"] = golferCount * roundsPerGolfer;
}
BENCHMARK(BM_StartupToLeaderboard)->Unit(benchmark::kMillisecond);

void BM_ComputeLeaderboard(benchmark::State& state) {
    LargeDatabase& db = database();
    golfdb::CKipGolfDoc doc(db.folder(), db.prompter, nullptr, currentYear);
    app::CKipGolfView view(doc, db.services());
    view.initialUpdate();
    for (auto _ : state) {
        view.computeLeaderboard();
        benchmark::DoNotOptimize(view.leaderboard().category(0).best);
    }
    state.counters["rounds"] = golferCount * roundsPerGolfer;
}
BENCHMARK(BM_ComputeLeaderboard)->Unit(benchmark::kMillisecond);

// Offering rounds alone, without the table walk: the leaderboard's own share.
void BM_OfferRounds(benchmark::State& state) {
    std::vector<app::RoundFacts> rounds;
    std::mt19937 random(7);
    for (int i = 0; i < golferCount * roundsPerGolfer; ++i)
        rounds.push_back({static_cast<int>(70 + random() % 40), static_cast<int>(60 + random() % 40),
                          static_cast<int>(random() % 40), true, firstYear + i % years, 1, 1,
                          golferName(i % 1000)});
    for (auto _ : state) {
        app::Leaderboard board(currentYear);
        for (const auto& round : rounds)
            benchmark::DoNotOptimize(board.offer(round));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(rounds.size()));
}
BENCHMARK(BM_OfferRounds)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The tag-order walk alone, without reading a field: the floor under computeLeaderboard.
void BM_WalkOnly(benchmark::State& state) {
    LargeDatabase& db = database();
    golfdb::CKipGolfDoc doc(db.folder(), db.prompter, nullptr, currentYear);
    doc.openDatabase();
    store::Table* t = doc.scoreTable().storeTable();
    for (auto _ : state) {
        long n = 0;
        for (int rc = store::goTop(t); rc == 0; rc = store::skipRecords(t, 1))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_WalkOnly)->Unit(benchmark::kMillisecond);
} // namespace
