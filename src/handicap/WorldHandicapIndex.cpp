#include "handicap/WorldHandicapIndex.h"

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

whs::PlayedRound playedFrom(golfdb::ScoreRecord& round, bool initial) {
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
    played.total = round.grossScore();
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

struct Row {
    std::string date;
    whs::PlayedRound played;
    ReplayedRound round;
};

std::string listingLine(const ReplayedRound& round, int adjustedGross, int tenths) {
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), "  %04d/%02d/%02d %3d (%4.1f)", round.year, round.month,
                  round.day, adjustedGross, tenths / 10.0);
    return text.data();
}

} // namespace

WorldHandicapRecord replayGolfer(golfdb::ScoreTable& scores, const std::string& golfer) {
    std::vector<Row> rows;
    for (int rc = scores.findNewest(golfer); rc == store::storeOk; rc = scores.skip()) {
        golfdb::ScoreRecord& round = scores.record();
        if (round.golfer != golfer)
            break;
        const bool initial = round.isInitialHandicapRound();
        rows.push_back(
            {initial ? std::string() : round.dateText(),
             playedFrom(round, initial),
             {scores.recordNumber(), round.year, round.month, round.day, round.name, round.differential}});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.date != b.date)
            return a.date < b.date;
        return a.round.recordNumber < b.round.recordNumber;
    });
    WorldHandicapRecord out;
    out.played.reserve(rows.size());
    out.rounds.reserve(rows.size());
    for (Row& row : rows) {
        out.played.push_back(row.played);
        out.rounds.push_back(std::move(row.round));
    }
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
        listing->courseNames.push_back(round.courseName);
        listing->recordNumbers.push_back(round.recordNumber);
    }
    return result;
}

} // namespace kip::handicap
