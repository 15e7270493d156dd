#include "handicap/HandicapIndex.h"

#include "golfdb/TableFields.h"
#include "handicap/WorldHandicapIndex.h"
#include "platform/TextFormat.h"

#include "store/TableStore.h"

#include <algorithm>
#include <array>

namespace kip::handicap {
namespace {

// The lowest differentials seen so far, ascending; each new one goes before the first equal or
// greater one, so among equal values the older round (visited later) comes first.
class AscendingDifferentials {
public:
    std::size_t insert(double value) {
        std::size_t at = 0;
        while (at < size_ && values_[at] < value)
            ++at;
        for (std::size_t i = size_; i > at; --i)
            values_[i] = values_[i - 1];
        values_[at] = value;
        ++size_;
        return at;
    }
    double sumOfLowest(int n) const {
        double sum = 0.0;
        for (int i = 0; i < n; ++i)
            sum += values_[static_cast<std::size_t>(i)];
        return sum;
    }

private:
    std::array<double, handicapWindow> values_{};
    std::size_t size_ = 0;
};

std::string listingLine(golfdb::ScoreRecord& round) {
    return platform::formatText("  %04d/%02d/%02d %3d (%4.1f)", round.year, round.month, round.day,
                                round.grossScore(), golfdb::fields::storedOneDecimal(round.differential));
}

void insertInto(HandicapListing& listing, std::size_t at, golfdb::ScoreRecord& round, long recordNumber) {
    const auto offset = static_cast<std::ptrdiff_t>(at);
    listing.lines.insert(listing.lines.begin() + offset, listingLine(round));
    listing.courseNames.insert(listing.courseNames.begin() + offset, round.name);
    listing.recordNumbers.insert(listing.recordNumbers.begin() + offset, recordNumber);
}

// How often a row counts: an initial handicap round stands for as many rounds as its "day" says.
int repetitionsOf(const golfdb::ScoreTable& scores) {
    if (!scores.isInitialHandicapRound())
        return 0;
    const auto& round = scores.record();
    // A damaged negative count must not stop the walk from noting the rows after it.
    return (round.flags & golfdb::flagInitialHandicap) != 0 ? std::max(round.day, 0) : 1;
}

} // namespace

HandicapResult computeHandicapIndex(golfdb::ScoreTable& scores, const std::string& golfer,
                                    HandicapListing* listing) {
    if (scores.handicapRule() == golfdb::ruleWorld)
        return computeWorldHandicapIndex(scores, golfer, listing);
    HandicapResult result;
    // Entries are inserted by their position among the differentials, so stale ones would misplace them.
    if (listing)
        listing->clear();
    if (scores.findNewest(golfer) != store::storeOk)
        return result;

    AscendingDifferentials lowest;
    int repeat = 0;
    long recordNumber = 0;
    while (result.counted < handicapWindow) {
        if (repeat == 0) {
            recordNumber = scores.recordNumber();
            repeat = repetitionsOf(scores);
        }
        auto& round = scores.record();
        if (round.golfer != golfer)
            break;
        const std::size_t at = lowest.insert(round.differential);
        if (listing)
            insertInto(*listing, at, round, recordNumber);
        ++result.counted;
        if (repeat > 0 && --repeat > 0)
            continue;
        if (scores.skip() != store::storeOk)
            break;
    }

    if (result.counted > 0) {
        // Every rule uses at least one and at most all counted rounds.
        const int used = std::clamp(scores.roundsUsed(result.counted), 1, result.counted);
        if (listing)
            for (int i = 0; i < used; ++i)
                listing->lines[static_cast<std::size_t>(i)] += " *";
        result.index = lowest.sumOfLowest(used) / used * 0.96;
        if (result.index > 0)
            result.index -= 0.05;
    }
    return result;
}

} // namespace kip::handicap
