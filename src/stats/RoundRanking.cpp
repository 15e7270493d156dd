#include "stats/RoundRanking.h"

#include "stats/ScoreRowFields.h"

#include <algorithm>

namespace kip::stats {
namespace {

bool rankable(RankKind kind, int value) {
    return kind == RankKind::LowestScores ? value < RoundRanking::emptyValue : value > 0;
}

constexpr const char* newestDate = "99999999";

} // namespace

void RoundRanking::offer(RankKind kind, int value, long row) {
    if (!rankable(kind, value))
        return;
    constexpr std::size_t last = places - 1;
    const auto at = std::upper_bound(values_.begin(), values_.end(), value);
    if (at == values_.end()) {
        if (value == values_[last])
            ++tieCount_;
        return;
    }
    const int pushedOut = values_[last];
    const auto place = static_cast<std::size_t>(at - values_.begin());
    std::move_backward(values_.begin() + static_cast<long>(place), values_.end() - 1, values_.end());
    std::move_backward(rows_.begin() + static_cast<long>(place), rows_.end() - 1, rows_.end());
    values_[place] = value;
    rows_[place] = row;
    if (values_[last] != pushedOut)
        tieCount_ = 1;
    else if (place < last)
        ++tieCount_;
}

void rankRounds(golfdb::ScoreTable& scores, const std::string* golfer, RankKind kind, RoundRanking& ranking,
                platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    store::Table* table = scores.storeTable();
    const ScoreRowFields row(table);
    if (!row.valid())
        return;
    std::string key;
    int rc = store::storeOk;
    if (golfer) {
        key = ScoreRowFields::storedGolferKey(*golfer);
        rc = store::seekKey(table, key + newestDate);
        if (rc == store::storeAfter)
            rc = store::storeOk;
    } else {
        rc = store::goTop(table);
    }
    for (; rc == store::storeOk; rc = store::skipRecords(table, 1)) {
        if (golfer && row.golferField() != key)
            break;
        if (row.isInitialHandicapRound())
            continue;
        const int value = kind == RankKind::LowestScores ? row.grossScore() : row.totalPutts();
        ranking.offer(kind, value, store::recordNumber(table));
    }
}

} // namespace kip::stats
