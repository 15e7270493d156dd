#include "rounds/RoundPoints.h"

#include <algorithm>

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
