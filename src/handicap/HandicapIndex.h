#pragma once
// A golfer's handicap index from the differentials stored in the 20 newest rounds.

#include "golfdb/ScoreTable.h"
#include "handicap/HandicapListing.h"

#include <string>

namespace kip::handicap {

inline constexpr int handicapWindow = 20; // the newest rounds that can count

struct HandicapResult {
    double index = 0.0;
    int counted = 0; // rounds counted, repetitions of an initial handicap round included (0 to 20)
};

// Walks the golfer's rounds newest first and averages the lowest of them as the table's active rule
// says. With a listing (emptied first), one entry per counted round is inserted in
// ascending order of differential and the used ones are marked " *". Moves the table's current row.
HandicapResult computeHandicapIndex(golfdb::ScoreTable& scores, const std::string& golfer,
                                    HandicapListing* listing = nullptr);

} // namespace kip::handicap
