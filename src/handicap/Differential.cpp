#include "handicap/Differential.h"

#include <algorithm>
#include <cmath>

namespace kip::handicap {

int strokeCap(int courseHandicap, int holePar) {
    if (courseHandicap <= 9)
        return holePar + 2;
    if (courseHandicap <= 19)
        return 7;
    if (courseHandicap <= 29)
        return 8;
    if (courseHandicap <= 39)
        return 9;
    return 10;
}

double adjustedGross(const golfdb::ScoreRecord& round, double gross, bool useBands) {
    constexpr int flatCap = 10;
    double adjusted = gross;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole) {
        const int strokes = round.strokes[hole];
        const int cap = useBands ? strokeCap(round.courseHandicap(), round.par[hole]) : flatCap;
        if (strokes > cap)
            adjusted -= strokes - cap;
    }
    return adjusted;
}

double storableDifferential(double value) {
    return golfdb::fields::limitedToOneDecimal(value);
}

double computeDifferential(golfdb::ScoreRecord& round, int slope, int golferRounds, bool skipEsc,
                           bool changing, double rating) {
    const double gross = round.grossScore();
    double adjusted = gross;
    if (!skipEsc && (!changing || (round.flags & golfdb::flagCourseHandicap) != 0))
        adjusted = adjustedGross(round, gross, golferRounds != 0);
    // A slope of 0 would make the differential infinite and the golfer's index meaningless; a
    // course without a usable slope is taken to be of standard difficulty instead.
    const int usedSlope = slope > 0 ? slope : standardSlope;
    const double factor = 113.0 / usedSlope;
    round.differential = storableDifferential((adjusted - rating) * factor);
    return round.differential;
}

double initialHandicapDifferential(double startingIndex) {
    double differential = startingIndex / 0.96;
    if (differential > 0)
        differential += 0.05;
    return storableDifferential(differential);
}

void buildInitialHandicapRound(golfdb::ScoreRecord& round, const std::string& golfer, double startingIndex,
                               int roundCount) {
    round.clear();
    round.golfer = golfer;
    round.name = "Initial Handicap";
    round.tee = "N/A";
    round.slope = standardSlope;
    round.rating = 0.0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole)
        round.par[hole] = 4;
    round.flags = golfdb::flagInitialHandicap | golfdb::flagNoFairwayStats | golfdb::flagTotalOnly;
    round.year = 1001;
    round.month = 1;
    round.day = std::clamp(roundCount, 1, 20);
    round.differential = initialHandicapDifferential(startingIndex);
}

} // namespace kip::handicap
