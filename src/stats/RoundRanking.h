#pragma once
// The 20 best rounds of a ranked listing (lowest scores or fewest putts), built while the rounds are
// read, with the count of rounds that share the value of the 20th place.

#include "golfdb/ScoreTable.h"
#include "platform/WaitCursor.h"

#include <array>
#include <string>

namespace kip::stats {

enum class RankKind { LowestScores, FewestPutts };

class RoundRanking {
public:
    static constexpr int places = 20;
    static constexpr int emptyValue = 999;
    static constexpr long emptyRow = -1;

    // Offers one round's value. A value that cannot be ranked (999 or more for scores, 0 or less
    // for putts) changes nothing; among equal values the round offered first stays in front.
    void offer(RankKind kind, int value, long row);

    int value(int place) const { return values_[static_cast<std::size_t>(place)]; }
    long row(int place) const { return rows_[static_cast<std::size_t>(place)]; }
    // The rounds read so far whose value equals the 20th place's and that stand in the 20th place
    // or were pushed or kept out of the list.
    int tieCount() const { return tieCount_; }

private:
    std::array<int, places> values_ = filled<int>(emptyValue);
    std::array<long, places> rows_ = filled<long>(emptyRow);
    int tieCount_ = 1;

    template <class T> static std::array<T, places> filled(T value) {
        std::array<T, places> a;
        a.fill(value);
        return a;
    }
};

// Ranks the rounds of one golfer (name as stored), or of every golfer when golfer is null, in the
// score table's order; initial handicap rounds are passed over.
void rankRounds(golfdb::ScoreTable& scores, const std::string* golfer, RankKind kind, RoundRanking& ranking,
                platform::WaitCursor* cursor);

} // namespace kip::stats
