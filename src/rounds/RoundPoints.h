#pragma once
// Points per round: each hole scores by its result against par, the round by the sum of its holes.

#include "golfdb/ScoreRecord.h"
#include "platform/SettingsStore.h"

#include <array>
#include <string>

namespace kip::rounds {

// Eagle or better, birdie, par, bogey, double bogey or worse.
using PointValues = std::array<int, golfdb::pointKinds>;

inline constexpr int lowestPointValue = -100;
inline constexpr int highestPointValue = 100;

// The sum over holes 1 to 18 of the value for each hole's strokes against its par.
int computePoints(const golfdb::HoleBytes& strokes, const golfdb::HoleBytes& par, const PointValues& values);

// Whether the round is a points round, the values it was scored with and its total; all 0 when it
// is not a points round.
golfdb::RoundPoints getPoints(const golfdb::ScoreRecord& round);

// The points block a saved round gets. With "Keep Points for Round" checked the round keeps the
// values it is scored with; it is rescored only while points are in use, otherwise (points switched
// off after the round was saved) its stored total stays as it was. Unchecked: no points.
golfdb::RoundPoints pointsToStore(const golfdb::ScoreRecord& round, bool pointsInUse, bool keepPoints,
                                  const PointValues& values, int storedTotal);

// "Show Points Rules" of a points round.
inline constexpr const char* pointsRulesCaption = "Points Rules for This Round";
std::string pointsRulesText(const PointValues& values);

struct PointSettings {
    bool usePoints = false;
    PointValues values{};
};

// The "Points" section. The five values are read only when points are in use; a value outside -100
// to 100 (a hand-edited settings file) is limited to that range, so it always fits the signed byte
// a round stores it in.
PointSettings readPointSettings(platform::SettingsStore& settings);

} // namespace kip::rounds
