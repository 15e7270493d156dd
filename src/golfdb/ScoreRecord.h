#pragma once
// One round in memory: the course part as played plus golfer, date and the hole-by-hole figures.

#include "golfdb/CourseRecord.h"

#include <array>
#include <cstdint>
#include <string>

namespace kip::golfdb {

// The points block of a round, as the round editor and the exports see it.
struct RoundPoints {
    bool pointsRound = false;
    std::array<int, pointKinds> values{}; // eagle or better, birdie, par, bogey, double bogey
    int total = 0;
};

struct ScoreRecord : CourseRecord {
    std::string golfer; // "Last, First" exactly as the golfer row's name
    std::int32_t month = 0;
    std::int32_t day = 0; // for an initial handicap round: the number of rounds it stands for
    std::int32_t year = 0;
    std::int32_t totalStrokes = 0;
    HoleBytes strokes{};
    HoleBytes putts{};
    std::array<std::uint8_t, holeSlots> holeFlags{};
    double differential = 0.0;
    std::int32_t pcc = 0; // playing conditions calculation, lowestPcc to highestPcc

    void clear() { *this = ScoreRecord{}; }

    // "%04d%02d%02d" of year, month, day: the DATE text.
    std::string dateText() const;
    bool isInitialHandicapRound() const; // dated before 1010
    bool isTotalOnly() const { return (flags & flagTotalOnly) != 0; }
    bool countsForFairwayStats() const { return (flags & flagNoFairwayFigures) == 0; }

    // The gross score: totalStrokes, or (when that is 0) the sum of all 19 stroke slots, which is
    // then kept in totalStrokes.
    int grossScore();
    int courseHandicap() const { return yardage[0]; }
    int netScore() { return grossScore() - courseHandicap(); }
    // 0 for a total-only round, else the putts of holes 1..18.
    int totalPutts() const;

    // Fairway / green flags of slots 0..18 as 0 or 1.
    HoleInts fairways() const;
    HoleInts greens() const;
    void setFairways(const std::array<bool, holeSlots>& hit);
    void setGreens(const std::array<bool, holeSlots>& hit);

    RoundPoints loadPoints() const;
    // Sets or clears flagPointsRound; clearing also clears the five values and the total.
    void storePoints(const RoundPoints& points);
};

} // namespace kip::golfdb
