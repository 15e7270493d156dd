#include "stats/CFairways.h"

#include "stats/GolferWalk.h"
#include "stats/StatsText.h"

namespace kip::stats {
namespace {

struct FairwayCounters {
    int fairwayHoles = 0;
    int fairwaysHit = 0;
    int greensAfterFairway = 0;
    int belowParAfterFairway = 0;
    int parAfterFairway = 0;
    int holes = 0;
    int greensHit = 0;
    long puttsOnGreens = 0;
    int belowParAfterGreen = 0;
    int parAfterGreen = 0;
};

void countHole(FairwayCounters& c, const StatsRound& round, int hole) {
    const int par = round.parOf(hole);
    const int strokes = round.strokesOf(hole);
    if (par != 3) {
        ++c.fairwayHoles;
        if (round.fairwayHit(hole)) {
            ++c.fairwaysHit;
            c.greensAfterFairway += round.greenHit(hole);
            if (strokes == par)
                ++c.parAfterFairway;
            else if (strokes < par)
                ++c.belowParAfterFairway;
        }
    }
    ++c.holes;
    if (round.greenHit(hole)) {
        c.puttsOnGreens += round.puttsOf(hole);
        ++c.greensHit;
        if (strokes == par)
            ++c.parAfterGreen;
        else if (strokes < par)
            ++c.belowParAfterGreen;
    }
}

// Whole percent, the remainder dropped; 0 without a divisor.
long wholePercent(long count, long of) {
    return of == 0 ? 0 : count * 100 / of;
}

std::string countWithPercent(int count, int of) {
    return formatText("%i(%2li%%)", count, wholePercent(count, of));
}

std::string joined(const std::array<std::string, fairwayFields>& texts) {
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i)
        line += (i ? "\t" : "") + texts[i];
    return line;
}

} // namespace

void CFairways::compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    fairway_ = {};
    green_ = {};
    FairwayCounters c;
    const int chosen = subject.limits.hole;
    GolferWalk(scores, subject.limits, RoundTestKind::FairwayStatRound)
        .walk(subject.golfer, [&c, chosen](const StatsRound& round) {
            if (chosen != 0) {
                countHole(c, round, chosen);
                return;
            }
            for (int hole = 1; hole < golfdb::holeSlots; ++hole)
                countHole(c, round, hole);
        });
    if (c.holes == 0)
        return;
    fairway_ = {formatText("%i", c.fairwayHoles),
                countWithPercent(c.fairwaysHit, c.fairwayHoles),
                countWithPercent(c.greensAfterFairway, c.fairwaysHit),
                formatText("%i", c.belowParAfterFairway),
                formatText("%i", c.parAfterFairway),
                formatText("%li%%", wholePercent(c.belowParAfterFairway + c.parAfterFairway, c.fairwaysHit))};
    green_ = {
        formatText("%i", c.holes),
        countWithPercent(c.greensHit, c.holes),
        formatText("%2.1f", c.greensHit == 0 ? 0.0 : static_cast<double>(c.puttsOnGreens) / c.greensHit),
        formatText("%i", c.belowParAfterGreen),
        formatText("%i", c.parAfterGreen),
        formatText("%li%%", wholePercent(c.belowParAfterGreen + c.parAfterGreen, c.greensHit))};
}

std::string CFairways::title() const {
    const std::string course = subject.limits.courseText();
    if (course.empty())
        return formatText("Stats for %s %s", subject.first.c_str(), subject.last.c_str());
    return formatText("Stats for %s %s on %s", subject.first.c_str(), subject.last.c_str(), course.c_str());
}

std::vector<std::string> CFairways::lines() const {
    return {title(),         fairwayRowLabel(), fairwayHeader(), joined(fairway_),
            greenRowLabel(), greenHeader(),     joined(green_)};
}

} // namespace kip::stats
