// Speed of the handicap calculation over a large database: 1,000 golfers with 100 rounds each.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapRecalculation.h"
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

// The database is built once per run and removed at exit.
class LargeDatabase {
public:
    LargeDatabase()
        : folder_(fs::temp_directory_path() / ("kipgolf-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(folder_);
        doc_ = std::make_unique<golfdb::CKipGolfDoc>(folder_.string() + "/", prompter_);
        doc_->openDatabase();
        fill();
    }
    ~LargeDatabase() {
        doc_.reset();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    golfdb::CKipGolfDoc& doc() { return *doc_; }

private:
    void fill() {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> differential(-20, 400);
        auto& golfers = doc_->golferTable();
        auto& scores = doc_->scoreTable();
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
                round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
                round.year = 2015 + r / 12;
                round.month = 1 + r % 12;
                round.day = 1 + r % 28;
                round.totalStrokes = 70 + r % 30;
                round.differential = differential(random) / 10.0;
                scores.add();
            }
        }
        doc_->syncAll();
    }

    fs::path folder_;
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
