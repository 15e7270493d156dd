#pragma once
// The large database the benchmarks share: 1,000 golfers with 100 rounds each, in a temporary data
// folder that lives as long as the benchmark program.

#include "golfdb/CKipGolfDoc.h"
#include "golfdb/ScoreRecord.h"
#include "platform/Prompter.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace kip::bench {

inline constexpr int golferCount = 1000;
inline constexpr int roundsPerGolfer = 100;
inline constexpr int firstYear = 2015;
inline constexpr int years = 10;

// Answers every question with yes, so no run stops at a prompt.
class YesPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& message) override {
        return message.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    }
};

inline std::string golferName(int i) {
    std::array<char, 48> name{};
    std::snprintf(name.data(), name.size(), "Golfer%04d, Test", i);
    return name.data();
}

// Ten rounds a year over ten years: round r of every golfer falls in year firstYear + r % years.
inline void spreadOverYears(golfdb::ScoreRecord& round, int r) {
    round.year = firstYear + r % years;
    round.month = 1 + (r / years) % 12;
    round.day = 1 + r % 28;
}

// Adds golferCount golfers with roundsPerGolfer rounds each at one course and syncs the tables.
// shape(round, r) sets what differs between benchmarks on round r of a golfer.
template <class RoundShape> void fillDatabase(golfdb::CKipGolfDoc& doc, RoundShape&& shape) {
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
            shape(round, r);
            scores.add();
        }
    }
    doc.syncAll();
}

// A uniquely named folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix)
        : root_(std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(root_);
    }
    // KIP_BENCH_KEEP=1 keeps the folder (named on stderr), to run other programs on the same data.
    ~TempFolder() {
        if (std::getenv("KIP_BENCH_KEEP") != nullptr) {
            std::fprintf(stderr, "kept %s\n", root_.c_str());
            return;
        }
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // The folder as a data folder path, with its trailing separator.
    std::string folder() const { return root_.string() + "/"; }

private:
    std::filesystem::path root_;
};

} // namespace kip::bench
