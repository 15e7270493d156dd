#pragma once
// The limits a statistics report runs under once the limits dialog has closed with OK, the texts
// that describe them, and the test every walked round must pass.

#include <string>

namespace kip::stats {

struct AppliedLimits {
    bool courseLimited = false;
    std::string courseName;
    bool teeLimited = false;
    std::string teeName;
    int hole = 0; // 1 to 18, 0 = all holes; only with a course

    bool datesLimited = false;
    std::string fromKey, toKey; // "%04d%02d%02d"
    int fromYear = 0, fromMonth = 0, fromDay = 0;
    int toYear = 0, toMonth = 0, toDay = 0;

    bool scoreGreater = false;
    bool scoreLess = false;
    int scoreBound = 80;

    // The course name, with " (tee)" when the tee is limited; empty without a course limit.
    std::string courseText() const;
    // "From MM/DD/YYYY Through MM/DD/YYYY"; empty without a date limit.
    std::string dateText() const;
    // "Using Only Scores > N" or "Using Only Scores < N"; empty without a score bound.
    std::string scoreText() const;
};

// The facts of a round the round test looks at. Texts are as stored in the score table (single-byte,
// trailing blanks removed); the limits' names are compared in the same form.
struct RoundKeyFacts {
    std::string_view course;
    std::string_view tee;
    std::string_view dateKey;
    bool totalOnly = false;
    bool fairwayStat = false;
    int grossScore = 0;
};

enum class RoundVerdict { Counted, NotCounted, EndWalk };

// Which reading of the round test a report applies.
enum class RoundTestKind {
    Full,             // initial handicap rounds, course, tee, dates, score bounds
    WithoutInitial,   // the same without the initial handicap step
    FairwayStatRound, // course, fairway-stat round, tee, dates, score bounds
};

// Names of the limits in the score table's stored form, ready for comparing against walked rows.
struct StoredLimits {
    explicit StoredLimits(const AppliedLimits& limits);
    const AppliedLimits& limits;
    std::string course;
    std::string tee;
};

RoundVerdict roundTest(const RoundKeyFacts& round, const StoredLimits& limits, RoundTestKind kind);

} // namespace kip::stats
