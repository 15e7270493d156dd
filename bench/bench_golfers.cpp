// Speed of the golfer commands and the handicap scores listing on the large database: 1,000 golfers
// with 100 rounds each, and one golfer with 500 rounds.

#include "BenchData.h"
#include "app/CKipGolfView.h"
#include "app/Leaderboard.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapScoresListing.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"
#include "manage/GolferCommands.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using namespace kip;
using namespace kip::bench;

constexpr int longHistory = 500;

// Plays Select Golfer (choosing one key) and Golfer Information (typing new names).
class PlayedHost : public platform::DialogHost {
public:
    std::string choose;
    std::string newLast;
    std::string newFirst;

    int run(platform::DialogModel& model) override {
        if (auto* select = dynamic_cast<manage::CSelectPersonDlg*>(&model)) {
            select->selectKey(choose);
            return select->ok();
        }
        if (auto* people = dynamic_cast<manage::CPeopleDlg*>(&model)) {
            people->setText(manage::CPeopleDlg::LastName, newLast);
            people->setText(manage::CPeopleDlg::FirstName, newFirst);
            return people->save();
        }
        return platform::dialogCancel;
    }
};

class LargeDatabase {
public:
    LargeDatabase() : temp_("kipgolf-bench-golfers-") {
        doc_ = std::make_unique<golfdb::CKipGolfDoc>(temp_.folder(), prompter_);
        doc_->openDatabase();
        fillDatabase(*doc_, [](golfdb::ScoreRecord& round, int r) {
            round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
            spreadOverYears(round, r);
            round.totalStrokes = 70 + r % 30;
            round.differential = (r * 37 % 300) / 10.0;
        });
    }
    golfdb::CKipGolfDoc& doc() { return *doc_; }

    // A golfer with 500 rounds, synced like every write of the program.
    void addLongHistory(const std::string& key) {
        auto& golfers = doc_->golferTable();
        golfers.record().clear();
        golfers.record().name = key;
        golfers.add();
        auto& scores = doc_->scoreTable();
        for (int r = 0; r < longHistory; ++r) {
            auto& round = scores.record();
            round.clear();
            round.golfer = key;
            round.name = "Cedar Ridge";
            round.tee = "White";
            round.slope = 118;
            round.rating = 69.8;
            round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
            round.year = 1990 + r / 20;
            round.month = 1 + r % 12;
            round.day = 1 + r % 28;
            round.totalStrokes = 80 + r % 15;
            round.differential = (r % 200) / 10.0;
            scores.add();
        }
        doc_->syncAll();
    }

private:
    TempFolder temp_;
    YesPrompter prompter_;
    std::unique_ptr<golfdb::CKipGolfDoc> doc_;
};

LargeDatabase& database() {
    static LargeDatabase db;
    return db;
}

void BM_RenameGolferWith500Rounds(benchmark::State& state) {
    auto& db = database();
    db.addLongHistory("Longhistory, Ada");
    PlayedHost host;
    bool there = true; // renamed back and forth
    for (auto _ : state) {
        host.choose = there ? "Longhistory, Ada" : "Longhistory-Bell, Ada";
        host.newLast = there ? "Longhistory-Bell" : "Longhistory";
        host.newFirst = "Ada";
        const auto outcome = manage::changeGolferInformation(host, db.doc());
        if (outcome != manage::GolferOutcome::RoundsChanged)
            state.SkipWithError("the rename did not go through");
        there = !there;
    }
    state.counters["rounds"] = longHistory;
}
BENCHMARK(BM_RenameGolferWith500Rounds)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DeleteGolferWith500Rounds(benchmark::State& state) {
    auto& db = database();
    PlayedHost host;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host.choose = "Deleted" + std::to_string(n++) + ", Bo";
        db.addLongHistory(host.choose);
        state.ResumeTiming();
        const auto outcome = manage::deleteGolfer(host, db.doc());
        if (outcome != manage::GolferOutcome::RoundsChanged)
            state.SkipWithError("the golfer was not deleted");
    }
    state.counters["rounds"] = longHistory;
}
BENCHMARK(BM_DeleteGolferWith500Rounds)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ShowAllHandicapScores(benchmark::State& state) {
    auto& doc = database().doc();
    handicap::ListingServices services;
    for (auto _ : state) {
        report::CListDlg dialog;
        handicap::fillHandicapScores(dialog, doc, services, handicap::allGolfersScoresTitle);
        benchmark::DoNotOptimize(dialog.size());
    }
    state.counters["golfers"] = golferCount;
}
BENCHMARK(BM_ShowAllHandicapScores)->Unit(benchmark::kMillisecond);

// The steps Enter a Round takes for each saved round, without the sync that ends the command: the
// round appended, offered to the leaderboard, the golfer's index recalculated and the golfer row
// written.
void saveEnteredRounds(benchmark::State& state, int rule, const std::string& key) {
    auto& doc = database().doc();
    doc.setHandicapRule(rule);
    app::Leaderboard board(2024);
    int n = 0;
    for (auto _ : state) {
        auto& scores = doc.scoreTable();
        auto& round = scores.record();
        round.clear();
        round.golfer = key;
        round.name = "Alder Run";
        round.tee = "Blue";
        round.slope = 125;
        round.rating = 71.5;
        round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
        round.year = 2030 + n / 300;
        round.month = 1 + n / 28 % 12;
        round.day = 1 + n % 28;
        ++n;
        round.totalStrokes = 85;
        round.differential = 12.3;
        if (scores.add() != store::storeOk)
            state.SkipWithError("the round was not appended");
        if (const auto facts = app::CKipGolfView::factsOf(scores.record()))
            board.offer(*facts);
        const auto result = handicap::computeHandicapIndex(scores, key);
        auto& golfers = doc.golferTable();
        golfers.find(key);
        golfers.record().handicapIndex = result.index;
        golfers.record().handicapRounds = result.counted;
        golfers.change();
    }
    doc.setHandicapRule(golfdb::ruleUsga);
}

void BM_SaveEnteredRound(benchmark::State& state) {
    saveEnteredRounds(state, golfdb::ruleUsga, golferName(golferCount / 2));
}
BENCHMARK(BM_SaveEnteredRound)->Unit(benchmark::kMillisecond)->Iterations(200);

// Under the World Handicap System the index replays the golfer's whole record (100 to 300 rounds).
void BM_SaveEnteredRoundWorld(benchmark::State& state) {
    saveEnteredRounds(state, golfdb::ruleWorld, golferName(golferCount / 2 + 1));
}
BENCHMARK(BM_SaveEnteredRoundWorld)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
