#pragma once
// Rounds with the figures the listings show: a total-only or hole-by-hole round of a given score,
// putts, course handicap and points.

#include "StatsData.h"

namespace kip::stats::testing {

struct Listed {
    std::string golfer = "Hogan, Ben";
    int year = 2024, month = 6, day = 1;
    int total = 72; // spread over the holes of a detail round (par 4)
    int putts = 36; // detail rounds only, spread over the holes
    bool totalOnly = false;
    int courseHandicap = 0;
    int points = -1; // -1: no points kept
    std::string course = "Alder Run";
    std::string tee = "Blue";
};

// Appends the round; returns its record number.
inline long addListed(StatsData& data, const Listed& l) {
    golfdb::ScoreTable& scores = data.scores();
    golfdb::ScoreRecord& r = scores.record();
    r.clear();
    r.golfer = l.golfer;
    r.name = l.course;
    r.tee = l.tee;
    r.slope = 120;
    r.rating = 70.5;
    r.year = l.year;
    r.month = l.month;
    r.day = l.day;
    r.yardage[0] = l.courseHandicap;
    r.flags = golfdb::flagCourseHandicap;
    if (l.totalOnly) {
        r.flags |= golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
    } else {
        for (std::size_t h = 1; h <= 18; ++h) {
            r.par[h] = 4;
            r.strokes[h] =
                static_cast<std::int8_t>(l.total / 18 + (h <= static_cast<std::size_t>(l.total % 18)));
            r.putts[h] =
                static_cast<std::int8_t>(l.putts / 18 + (h <= static_cast<std::size_t>(l.putts % 18)));
        }
    }
    r.totalStrokes = l.total;
    if (l.points >= 0) {
        golfdb::RoundPoints p;
        p.pointsRound = true;
        p.total = l.points;
        r.storePoints(p);
    }
    EXPECT_EQ(scores.add(), 0);
    return scores.recordNumber();
}

} // namespace kip::stats::testing
