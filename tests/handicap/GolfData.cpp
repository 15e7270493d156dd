#include "GolfData.h"

#include "handicap/Differential.h"

#include <gtest/gtest.h>

namespace kip::handicap::testing {

GolfData::GolfData() {
    reopen();
}

GolfData::~GolfData() = default;

void GolfData::reopen() {
    doc_.reset();
    doc_ = std::make_unique<golfdb::CKipGolfDoc>(dir.path(), prompter, &cursor, 2026);
    const auto outcome = doc_->openDatabase();
    EXPECT_NE(outcome, golfdb::OpenOutcome::EndProgram);
}

void GolfData::addGolfer(const std::string& name, double handicap, int rounds) {
    auto& table = golfers();
    table.record().clear();
    table.record().name = name;
    table.record().handicapIndex = handicap;
    table.record().handicapRounds = rounds;
    EXPECT_EQ(table.add(), 0) << name;
}

long GolfData::addRound(const RoundSpec& spec) {
    auto& table = scores();
    auto& round = table.record();
    round.clear();
    round.golfer = spec.golfer;
    round.name = spec.course;
    round.tee = "Blue";
    round.slope = 113;
    round.rating = 72.0;
    round.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats | golfdb::flagCourseHandicap;
    round.year = spec.year;
    round.month = spec.month;
    round.day = spec.day;
    round.totalStrokes = spec.gross;
    round.differential = spec.differential;
    EXPECT_EQ(table.add(), 0);
    return table.recordNumber();
}

std::vector<long> GolfData::addRoundsNewestFirst(const std::string& golfer,
                                                 const std::vector<double>& differentials, int startYear) {
    std::vector<long> records(differentials.size());
    for (std::size_t i = differentials.size(); i-- > 0;) {
        const int age = static_cast<int>(i); // 0 = newest
        RoundSpec spec{golfer, startYear + 1 - age / 300, 12 - (age % 300) / 25, 28 - age % 25,
                       differentials[i]};
        records[i] = addRound(spec);
    }
    return records;
}

long GolfData::addInitialRound(const std::string& golfer, double startingIndex, int roundCount) {
    auto& table = scores();
    buildInitialHandicapRound(table.record(), golfer, startingIndex, roundCount);
    EXPECT_EQ(table.add(), 0);
    return table.recordNumber();
}

golfdb::GolferRecord GolfData::golfer(const std::string& name) {
    EXPECT_EQ(golfers().find(name), 0) << name;
    return golfers().record();
}

} // namespace kip::handicap::testing
