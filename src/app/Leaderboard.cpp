#include "app/Leaderboard.h"

#include "platform/TextFormat.h"

namespace kip::app {

void Leaderboard::reset() {
    categories_.fill(LeaderCategory{});
}

const char* Leaderboard::label(int index) {
    static constexpr std::array<const char*, categoryCount> labels = {"Low Gross", "Low Net", "Fewest Putts",
                                                                      "Low Gross", "Low Net", "Fewest Putts"};
    return labels.at(static_cast<std::size_t>(index));
}

int Leaderboard::offer(const RoundFacts& round) {
    const bool putts = round.countsForPutts && round.putts != 0;
    int changed = 0;
    if (round.year == currentYear_) {
        changed += update(YearGross, round.gross, round);
        changed += update(YearNet, round.net, round);
        if (putts)
            changed += update(YearPutts, round.putts, round);
    }
    changed += update(AllGross, round.gross, round);
    changed += update(AllNet, round.net, round);
    if (putts)
        changed += update(AllPutts, round.putts, round);
    return changed;
}

bool Leaderboard::update(int index, int value, const RoundFacts& round) {
    LeaderCategory& c = categories_.at(static_cast<std::size_t>(index));
    // A category without a leader has no best to tie with, whatever value the round brings.
    const bool empty = c.tieCount == 0;
    if (!empty && value == c.best) {
        ++c.tieCount;
        c.dateText.clear();
        c.leaderText = platform::formatText("%2d tied", c.tieCount);
        return true;
    }
    if (empty || value < c.best) {
        c.best = value;
        c.tieCount = 1;
        c.dateText = platform::formatText("%02d/%02d/%04d", round.month, round.day, round.year);
        c.leaderText = round.golfer;
        return true;
    }
    return false;
}

} // namespace kip::app
