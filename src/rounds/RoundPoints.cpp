#include "rounds/RoundPoints.h"

#include "platform/TextFormat.h"

#include <algorithm>
#include <array>

namespace kip::rounds {
namespace {

enum PointKind { eagle, birdie, par, bogey, doubleBogey };

PointKind kindOf(int strokesOverPar) {
    if (strokesOverPar <= -2)
        return eagle;
    if (strokesOverPar >= 2)
        return doubleBogey;
    return static_cast<PointKind>(par + strokesOverPar);
}

} // namespace

int computePoints(const golfdb::HoleBytes& strokes, const golfdb::HoleBytes& parOfHole,
                  const PointValues& values) {
    int total = 0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole)
        total += values[kindOf(strokes[hole] - parOfHole[hole])];
    return total;
}

golfdb::RoundPoints getPoints(const golfdb::ScoreRecord& round) {
    if ((round.flags & golfdb::flagPointsRound) == 0)
        return {};
    return round.loadPoints();
}

golfdb::RoundPoints pointsToStore(const golfdb::ScoreRecord& round, bool pointsInUse, bool keepPoints,
                                  const PointValues& values, int storedTotal) {
    if (!keepPoints)
        return {};
    const int total = pointsInUse ? computePoints(round.strokes, round.par, values) : storedTotal;
    return {true, values, total};
}

std::string pointsRulesText(const PointValues& values) {
    return platform::formatText("Eagle = %d  Birdie = %d  Par = %d  Bogie = %d  Double = %d", values[0],
                                values[1], values[2], values[3], values[4]);
}

PointSettings readPointSettings(platform::SettingsStore& settings) {
    PointSettings points;
    points.usePoints = settings.readInt("Points", "UsePoints", 0) != 0;
    if (!points.usePoints)
        return points;
    const std::array<const char*, golfdb::pointKinds> names = {"Eagle", "Birdie", "Par", "Bogie", "Double"};
    for (std::size_t i = 0; i < names.size(); ++i)
        points.values[i] =
            std::clamp(settings.readInt("Points", names[i], 0), lowestPointValue, highestPointValue);
    return points;
}

} // namespace kip::rounds
