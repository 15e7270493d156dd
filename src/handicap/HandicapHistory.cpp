#include "handicap/HandicapHistory.h"

#include "golfdb/TableFields.h"
#include "handicap/HandicapIndex.h"
#include "handicap/IndexText.h"
#include "handicap/WorldHandicapIndex.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kip::handicap {
namespace {

HistoryPoint pointOf(const ReplayedRound& round, long dayNumber) {
    HistoryPoint point;
    point.year = round.year;
    point.month = round.month;
    point.day = round.day;
    point.dayNumber = dayNumber;
    return point;
}

// The legacy index of the newest (at most 20) differentials, as computeHandicapIndex forms it.
double legacyIndex(const std::vector<double>& differentials, int rule) {
    const std::size_t from =
        differentials.size() > handicapWindow ? differentials.size() - handicapWindow : 0;
    std::vector<double> newest(differentials.begin() + static_cast<std::ptrdiff_t>(from),
                               differentials.end());
    std::sort(newest.begin(), newest.end());
    const int counted = static_cast<int>(newest.size());
    const int used = std::clamp(
        golfdb::ScoreTable::roundsUsedTableOf(rule)[static_cast<std::size_t>(counted)], 1, counted);
    double sum = 0.0;
    for (int i = 0; i < used; ++i)
        sum += newest[static_cast<std::size_t>(i)];
    double index = sum / used * 0.96;
    if (index > 0)
        index -= 0.05;
    return golfdb::fields::storedOneDecimal(index);
}

std::vector<HistoryPoint> legacyHistory(const WorldHandicapRecord& record, int rule) {
    std::vector<HistoryPoint> points;
    std::vector<double> differentials;
    for (std::size_t i = 0; i < record.played.size(); ++i) {
        const whs::PlayedRound& played = record.played[i];
        const int copies = played.initial ? played.copies : 1;
        for (int copy = 0; copy < copies; ++copy)
            differentials.push_back(golfdb::fields::storedOneDecimal(record.rounds[i].differential));
        const bool dayEnds = i + 1 == record.played.size() || record.played[i + 1].day != played.day ||
                             record.played[i + 1].initial != played.initial;
        if (played.initial || !dayEnds)
            continue;
        HistoryPoint point = pointOf(record.rounds[i], played.day);
        if (!differentials.empty())
            point.index = legacyIndex(differentials, rule);
        points.push_back(point);
    }
    return points;
}

std::vector<HistoryPoint> worldHistory(const WorldHandicapRecord& record) {
    std::vector<HistoryPoint> points;
    for (const whs::DayIndex& day : record.replay.days()) {
        if (day.initial)
            continue;
        HistoryPoint point = pointOf(record.rounds[day.firstRound], day.day);
        if (day.index)
            point.index = *day.index / 10.0;
        if (day.low)
            point.low = *day.low / 10.0;
        point.softCapped = day.softCapped;
        point.hardCapped = day.hardCapped;
        points.push_back(point);
    }
    return points;
}

} // namespace

std::vector<HistoryPoint> handicapHistory(golfdb::ScoreTable& scores, const std::string& golfer) {
    const WorldHandicapRecord record = replayGolfer(scores, golfer);
    const int rule = scores.handicapRule();
    return rule == golfdb::ruleWorld ? worldHistory(record) : legacyHistory(record, rule);
}

std::string historyLine(const HistoryPoint& point, int rule) {
    return platform::formatText("%04d/%02d/%02d\t", point.year, point.month, point.day) +
           (point.index ? indexText(*point.index, 0, rule) : std::string("NH"));
}

} // namespace kip::handicap
