#include "handicap/WorldHandicapIndex.h"

#include "platform/TextFormat.h"
#include "store/TableStore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace kip::handicap {
namespace {

// Initial handicap rows carry a count, not a day, in their date; they all stand before every round.
const long initialDay = whs::dayNumber(1001, 1, 1);

int tenthsOf(double value) {
    return std::isfinite(value) ? static_cast<int>(std::lround(value * 10.0)) : 0;
}

whs::PlayedRound playedFrom(const golfdb::ScoreRecord& round, bool initial) {
    whs::PlayedRound played;
    played.initial = initial;
    if (initial) {
        played.day = initialDay;
        // A damaged negative count stands for no rounds.
        played.copies = (round.flags & golfdb::flagInitialHandicap) != 0 ? std::max(round.day, 0) : 1;
        played.storedTenths = tenthsOf(round.differential);
        return played;
    }
    played.day = whs::dayNumber(round.year, round.month, round.day);
    played.totalOnly = round.isTotalOnly();
    played.total = round.totalStrokes;
    if (played.total == 0)
        for (const auto strokes : round.strokes)
            played.total += strokes;
    played.slope = round.slope;
    played.ratingTenths = tenthsOf(round.rating);
    played.pcc = round.pcc;
    for (std::size_t hole = 1; hole < golfdb::holeSlots; ++hole) {
        played.par[hole] = round.par[hole];
        played.strokes[hole] = round.strokes[hole];
        played.strokeIndex[hole] = round.strokeIndex[hole];
    }
    return played;
}

// Dates below this are initial handicap rows.
constexpr long firstRealDate = 10100101;

std::string listingLine(const ReplayedRound& round, int adjustedGross, int tenths) {
    return platform::formatText("  %04d/%02d/%02d %3d (%4.1f)", round.year, round.month, round.day,
                                adjustedGross, tenths / 10.0);
}

} // namespace

WorldHandicapRecord replayGolfer(golfdb::ScoreTable& scores, const std::string& golfer) {
    WorldHandicapRecord out;
    std::vector<long> dates;
    constexpr std::size_t usualRecord = 128;
    dates.reserve(usualRecord);
    out.played.reserve(usualRecord);
    out.rounds.reserve(usualRecord);
    const std::string key = golfdb::ScoreTable::storedGolferKey(golfer);
    // A golfer's whole record is walked, not 20 rows: only the figures the replay uses are read.
    golfdb::ScoreRecord round;
    for (int rc = scores.findNewest(golfer); rc == store::storeOk; rc = scores.skipRow()) {
        if (!scores.rowIsGolfer(key))
            break;
        scores.readHandicapPart(round);
        const long date = round.year * 10000L + round.month * 100L + round.day;
        const bool initial = date < firstRealDate;
        dates.push_back(initial ? 0 : date);
        out.played.push_back(playedFrom(round, initial));
        out.rounds.push_back({scores.recordNumber(), round.year, round.month, round.day, round.differential});
    }
    // The tag gives the rows newest first, so oldest first is nearly the reverse; rows of one date
    // go by record number.
    std::vector<std::size_t> order(dates.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = order.size() - 1 - i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (dates[a] != dates[b])
            return dates[a] < dates[b];
        return out.rounds[a].recordNumber < out.rounds[b].recordNumber;
    });
    std::vector<whs::PlayedRound> played;
    std::vector<ReplayedRound> rounds;
    played.reserve(order.size());
    rounds.reserve(order.size());
    for (const std::size_t i : order) {
        played.push_back(out.played[i]);
        rounds.push_back(out.rounds[i]);
    }
    out.played = std::move(played);
    out.rounds = std::move(rounds);
    out.replay.play(out.played);
    return out;
}

HandicapResult computeWorldHandicapIndex(golfdb::ScoreTable& scores, const std::string& golfer,
                                         HandicapListing* listing) {
    if (listing)
        listing->clear();
    const WorldHandicapRecord record = replayGolfer(scores, golfer);
    HandicapResult result;
    if (const auto index = record.replay.index()) {
        result.index = *index / 10.0;
        result.counted = record.replay.counted();
    }
    if (!listing)
        return result;
    const auto& entries = record.replay.record();
    std::vector<std::size_t> ascending = record.replay.recent();
    std::stable_sort(ascending.begin(), ascending.end(),
                     [&](std::size_t a, std::size_t b) { return entries[a].value() < entries[b].value(); });
    const std::size_t used = record.replay.used().size();
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        const whs::RecordEntry& entry = entries[ascending[i]];
        const ReplayedRound& round = record.rounds[entry.round];
        std::string line = listingLine(round, entry.adjustedGross, entry.value());
        if (i < used)
            line += " *";
        listing->lines.push_back(std::move(line));
        const bool read = scores.goTo(round.recordNumber) == store::storeOk;
        listing->courseNames.push_back(read ? scores.record().name : std::string());
        listing->recordNumbers.push_back(round.recordNumber);
    }
    return result;
}

} // namespace kip::handicap
