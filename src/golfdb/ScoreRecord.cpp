#include "golfdb/ScoreRecord.h"

#include "platform/TextFormat.h"

namespace kip::golfdb {
namespace {

// Dates before this are initial handicap rounds (year 1001 by convention).
constexpr const char* firstRealDate = "10100101";

HoleInts flagBits(const std::array<std::uint8_t, holeSlots>& flags, std::uint8_t bit) {
    HoleInts out{};
    for (int i = 0; i < holeSlots; ++i)
        out[static_cast<size_t>(i)] = (flags[static_cast<size_t>(i)] & bit) ? 1 : 0;
    return out;
}

void setFlagBits(std::array<std::uint8_t, holeSlots>& flags, std::uint8_t bit,
                 const std::array<bool, holeSlots>& on) {
    for (size_t i = 0; i < flags.size(); ++i)
        flags[i] = static_cast<std::uint8_t>(on[i] ? (flags[i] | bit) : (flags[i] & ~bit));
}

} // namespace

std::string ScoreRecord::dateText() const {
    return platform::formatText("%04d%02d%02d", year, month, day);
}

bool ScoreRecord::isInitialHandicapRound() const {
    return dateText() < firstRealDate;
}

int ScoreRecord::grossScore() {
    if (totalStrokes == 0) {
        int sum = 0;
        for (const auto s : strokes)
            sum += s;
        totalStrokes = sum;
    }
    return totalStrokes;
}

int ScoreRecord::totalPutts() const {
    if (isTotalOnly())
        return 0;
    int sum = 0;
    for (int h = 1; h < holeSlots; ++h)
        sum += putts[static_cast<size_t>(h)];
    return sum;
}

HoleInts ScoreRecord::fairways() const {
    return flagBits(holeFlags, holeFairwayHit);
}

HoleInts ScoreRecord::greens() const {
    return flagBits(holeFlags, holeGreenInRegulation);
}

void ScoreRecord::setFairways(const std::array<bool, holeSlots>& hit) {
    setFlagBits(holeFlags, holeFairwayHit, hit);
}

void ScoreRecord::setGreens(const std::array<bool, holeSlots>& hit) {
    setFlagBits(holeFlags, holeGreenInRegulation, hit);
}

RoundPoints ScoreRecord::loadPoints() const {
    RoundPoints points;
    points.pointsRound = (flags & flagPointsRound) != 0;
    for (size_t i = 0; i < pointValues.size(); ++i)
        points.values[i] = pointValues[i];
    points.total = totalPoints;
    return points;
}

void ScoreRecord::storePoints(const RoundPoints& points) {
    if (!points.pointsRound) {
        flags = static_cast<std::uint8_t>(flags & ~flagPointsRound);
        pointValues.fill(0);
        totalPoints = 0;
        return;
    }
    flags = static_cast<std::uint8_t>(flags | flagPointsRound);
    for (size_t i = 0; i < pointValues.size(); ++i)
        pointValues[i] = static_cast<std::int8_t>(points.values[i]);
    totalPoints = points.total;
}

} // namespace kip::golfdb
