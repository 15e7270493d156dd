#pragma once
// One course row in memory, and the course part of every round.

#include <array>
#include <cstdint>
#include <string>

namespace kip::golfdb {

// Hole arrays: slot h (1..18) is hole h; slot 0 is not a hole.
inline constexpr int holeSlots = 19;
inline constexpr int pointKinds = 5; // eagle or better, birdie, par, bogey, double bogey

// Flag byte (FLAGS) of a course row or a round.
inline constexpr std::uint8_t flagTotalOnly = 0x02;       // only the total score was entered
inline constexpr std::uint8_t flagCourseHandicap = 0x08;  // YARDAGE slot 0 holds the course handicap
inline constexpr std::uint8_t flagNoFairwayStats = 0x10;  // left out of fairway statistics
inline constexpr std::uint8_t flagPointsRound = 0x20;     // EXTRA holds the points block
inline constexpr std::uint8_t flagMetres = 0x40;          // hole lengths are in metres
inline constexpr std::uint8_t flagInitialHandicap = 0x80; // the row stands for a starting handicap
inline constexpr std::uint8_t flagNoFairwayFigures =
    0x12; // either bit: fairway and green figures do not count

// Per-hole flags (HOLEFLAGS).
inline constexpr std::uint8_t holeFairwayHit = 0x01;
inline constexpr std::uint8_t holeGreenInRegulation = 0x02;

using HoleBytes = std::array<std::int8_t, holeSlots>;
using HoleInts = std::array<int, holeSlots>;

// EXTRA of course and round rows: the points block of a round in bytes 0 to 6, then the stroke index
// of holes 1 to 18 as one binary byte each (the same offset in course and round rows, so a round
// copies them as it copies par), then a round's playing conditions calculation as one signed byte.
// Blanks where nothing was entered, so rows without them are written as they always were.
inline constexpr int strokeIndexOffset = 7;
inline constexpr int pccOffset = strokeIndexOffset + holeSlots - 1;
inline constexpr int lowestPcc = -1;
inline constexpr int highestPcc = 3;

// True when holes 1 to 18 hold the stroke indexes 1 to 18, each once (slot 0 is not looked at).
bool isStrokeIndexSet(const HoleBytes& strokeIndex);

struct CourseRecord {
    std::string name;
    std::string zip;   // course table only
    std::string city;  // course table only
    std::string state; // course table only
    std::string phone; // course table only
    std::string tee;
    std::int32_t slope = 0;
    double rating = 0.0;
    HoleBytes par{};
    std::array<std::int32_t, holeSlots> yardage{};
    std::uint8_t flags = 0;
    std::string extra;                                 // always empty after a read
    std::array<std::int8_t, pointKinds> pointValues{}; // rounds only, 0 unless flagPointsRound
    std::int32_t totalPoints = 0;                      // rounds only, 0 unless flagPointsRound
    HoleBytes strokeIndex{};                           // 1 (hardest) to 18 per hole, or all 0

    void clearCourse() { *this = CourseRecord{}; }
    bool inMetres() const { return (flags & flagMetres) != 0; }
    bool hasStrokeIndexes() const { return isStrokeIndexSet(strokeIndex); }
};

// The key of COURSETAG: "%-40s%-20s%-20s%-15s" of name, city, state, tee (UTF-8 texts in, the
// stored single-byte text out).
std::string courseKey(const std::string& name, const std::string& city, const std::string& state,
                      const std::string& tee);

} // namespace kip::golfdb
