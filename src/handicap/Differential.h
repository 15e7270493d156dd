#pragma once
// Equitable stroke control and the handicap differential of one round.

#include "golfdb/ScoreRecord.h"
#include "golfdb/TableFields.h"

#include <string>

namespace kip::handicap {

// HCINDEX holds four characters with one decimal; anything outside would be written as asterisks
// and read back as 0.
inline constexpr double lowestStorableDifferential = golfdb::fields::lowestOneDecimal;
inline constexpr double highestStorableDifferential = golfdb::fields::highestOneDecimal;

// The slope of a course of standard difficulty.
inline constexpr int standardSlope = 113;

// The gross minus every stroke above the per-hole cap on holes 1 to 18. Without bands (a golfer
// who has no handicap yet) the cap is 10; otherwise it follows the round's course handicap.
double adjustedGross(const golfdb::ScoreRecord& round, double gross, bool useBands);

// The per-hole cap for a course handicap; holePar only matters in the lowest band (par + 2).
int strokeCap(int courseHandicap, int holePar);

// The differential (A - rating) * (113.0 / slope) of a round being saved, where A is the gross
// adjusted by stroke control (never for total-only rounds, and for a changed hole-by-hole round only
// when it carries a course handicap). The value is limited to what HCINDEX can hold and placed in
// round.differential. A slope that is not positive (no rating known) counts as the standard slope.
double computeDifferential(golfdb::ScoreRecord& round, int slope, int golferRounds, bool skipEsc,
                           bool changing, double rating);

// Limits a differential to the HCINDEX range; a value that is not a number becomes 0.
double storableDifferential(double value);

// HCINDEX of an initial handicap round: the differential whose index formula gives the starting
// index back (index / 0.96, plus 0.05 when positive), limited to the storable range.
double initialHandicapDifferential(double startingIndex);

// Fills a cleared round with the row that carries a new golfer's starting handicap worth
// roundCount rounds (1 to 20) into the calculation.
void buildInitialHandicapRound(golfdb::ScoreRecord& round, const std::string& golfer, double startingIndex,
                               int roundCount);

} // namespace kip::handicap
