#pragma once
// The World Handicap System over the score table: a golfer's rounds replayed oldest first into the
// index, its listing and its history. Nothing is written; differentials are derived, never stored.

#include "golfdb/ScoreTable.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapListing.h"
#include "handicap/WorldHandicap.h"

#include <string>
#include <vector>

namespace kip::handicap {

// What a replayed round was, for listings and the history.
struct ReplayedRound {
    long recordNumber = 0;
    int year = 0, month = 0, day = 0;
    double differential = 0.0; // as stored in HCINDEX, for the other rules' history
};

struct WorldHandicapRecord {
    std::vector<whs::PlayedRound> played; // oldest first: date, then record number
    std::vector<ReplayedRound> rounds;    // in step with played
    whs::Replay replay;
};

// Reads every round of the golfer (moving the table's current row) and replays them.
WorldHandicapRecord replayGolfer(golfdb::ScoreTable& scores, const std::string& golfer);

// The index (0.0 and 0 while there is none) and, with a listing, the 20 most recent differentials
// less their reductions, ascending, each with its adjusted gross, the averaged ones marked " *".
HandicapResult computeWorldHandicapIndex(golfdb::ScoreTable& scores, const std::string& golfer,
                                         HandicapListing* listing = nullptr);

} // namespace kip::handicap
