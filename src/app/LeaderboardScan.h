#pragma once
// Reads what the leaderboard needs straight from the score table's rows, without decoding whole
// rounds: the leaderboard is recomputed at every start over every round.

#include "app/Leaderboard.h"
#include "store/TableStore.h"

namespace kip::app {

class LeaderboardScan {
public:
    // table: the open score table (Scores); false from valid() when a field is missing.
    explicit LeaderboardScan(store::Table* table);
    bool valid() const { return valid_; }

    // Offers every round in tag order to the board (which is not reset first).
    void offerAll(Leaderboard& board);
    // The facts of the current row; false for a starting handicap row, which is never offered.
    bool read(RoundFacts& facts);

private:
    store::Table* table_;
    store::Field* golfer_;
    store::Field* date_;
    store::Field* totalStrokes_;
    store::Field* strokes_;
    store::Field* putts_;
    store::Field* flags_;
    store::Field* yardage_;
    bool valid_;
};

} // namespace kip::app
