#pragma once
// The walk over one golfer's rounds, newest first, that every golfer statistic makes: it starts at
// the golfer's newest round dated on or before the to date and hands each round the limits count to
// the report. Rounds are read straight from the row, only the fields statistics use: a report over
// every golfer visits every round of the table.

#include "golfdb/CourseRecord.h"
#include "golfdb/ScoreTable.h"
#include "stats/ReportLimits.h"
#include "stats/ScoreRowFields.h"

#include <array>
#include <cstdint>
#include <string>

namespace kip::stats {

// The hole figures of one counted round.
struct StatsRound {
    std::uint8_t flags = 0;
    int grossScore = 0; // the stored total, or the sum of the stroke slots when that is 0
    golfdb::HoleBytes par{};
    golfdb::HoleBytes strokes{};
    golfdb::HoleBytes putts{};
    std::array<std::uint8_t, golfdb::holeSlots> holeFlags{};

    bool isDetail() const { return (flags & golfdb::flagTotalOnly) == 0; }
    bool isFairwayStat() const { return (flags & golfdb::flagNoFairwayFigures) == 0; }
    bool fairwayHit(int hole) const {
        return (holeFlags[static_cast<std::size_t>(hole)] & golfdb::holeFairwayHit) != 0;
    }
    bool greenHit(int hole) const {
        return (holeFlags[static_cast<std::size_t>(hole)] & golfdb::holeGreenInRegulation) != 0;
    }
    int parOf(int hole) const { return par[static_cast<std::size_t>(hole)]; }
    int strokesOf(int hole) const { return strokes[static_cast<std::size_t>(hole)]; }
    int puttsOf(int hole) const { return putts[static_cast<std::size_t>(hole)]; }
};

class GolferWalk {
public:
    // scores: the open score table; the walk moves its position (the current record is not read).
    GolferWalk(golfdb::ScoreTable& scores, const AppliedLimits& limits, RoundTestKind kind);

    // Calls count(const StatsRound&) for every round of the golfer that the limits count.
    template <class Count> void walk(const std::string& golfer, Count&& count) {
        if (!start(golfer))
            return;
        do {
            if (!onGolfer())
                return;
            const RoundVerdict verdict = test();
            if (verdict == RoundVerdict::EndWalk)
                return;
            if (verdict == RoundVerdict::Counted) {
                readFigures();
                count(static_cast<const StatsRound&>(round_));
            }
        } while (advance());
    }

private:
    bool start(const std::string& golfer);
    bool onGolfer() const;
    RoundVerdict test();
    void readFigures();
    bool advance();

    store::Table* table_;
    StoredLimits limits_;
    RoundTestKind kind_;
    ScoreRowFields fields_;
    std::string key_; // golfer name as stored, padded to the field width
    StatsRound round_;
};

} // namespace kip::stats
