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
#include <vector>

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
// The rows of one golfer after another, or (league order) round r of every golfer before round r + 1,
// as a league's rounds come in week by week.
enum class RowOrder { ByGolfer, League };

template <class RoundShape>
void fillDatabase(golfdb::CKipGolfDoc& doc, RoundShape&& shape, RowOrder order = RowOrder::ByGolfer) {
    auto& golfers = doc.golferTable();
    auto& scores = doc.scoreTable();
    const auto addRound = [&](int g, int r) {
        auto& round = scores.record();
        round.clear();
        round.golfer = golferName(g);
        round.name = "Alder Run";
        round.tee = "Blue";
        round.slope = 125;
        round.rating = 71.5;
        shape(round, r);
        scores.add();
    };
    for (int g = 0; g < golferCount; ++g) {
        golfers.record().clear();
        golfers.record().name = golferName(g);
        golfers.add();
        for (int r = 0; order == RowOrder::ByGolfer && r < roundsPerGolfer; ++r)
            addRound(g, r);
    }
    for (int r = 0; order == RowOrder::League && r < roundsPerGolfer; ++r)
        for (int g = 0; g < golferCount; ++g)
            addRound(g, r);
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

// The large database with every round entered hole by hole: pars of 3, 4 and 5, strokes from one
// under to one over par, one or two putts, and every mix of the fairway and green bits.
class HoleByHoleDatabase {
public:
    explicit HoleByHoleDatabase(const std::string& prefix) : temp_(prefix), doc_(temp_.folder(), prompter_) {
        doc_.openDatabase();
        fillDatabase(doc_, [](golfdb::ScoreRecord& round, int r) {
            spreadOverYears(round, r);
            for (std::size_t h = 1; h < golfdb::holeSlots; ++h) {
                round.par[h] = static_cast<std::int8_t>(h % 6 == 0 ? 3 : h % 7 == 0 ? 5 : 4);
                round.strokes[h] = static_cast<std::int8_t>(round.par[h] + static_cast<int>(r + h) % 3 - 1);
                round.putts[h] = static_cast<std::int8_t>(1 + (r + h) % 2);
                round.holeFlags[h] = static_cast<std::uint8_t>((r + h) % 4);
            }
            round.totalStrokes = 0;
            round.totalStrokes = round.grossScore();
        });
        for (int rc = doc_.golferTable().goTop(); rc == 0; rc = doc_.golferTable().skip())
            golferRows_.push_back(doc_.golferTable().recordNumber());
    }
    golfdb::CKipGolfDoc& doc() { return doc_; }
    // Every golfer's record number, in the golfer table's order.
    const std::vector<long>& golferRows() const { return golferRows_; }

private:
    TempFolder temp_;
    YesPrompter prompter_;
    golfdb::CKipGolfDoc doc_;
    std::vector<long> golferRows_;
};

} // namespace kip::bench
