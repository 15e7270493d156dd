#pragma once
// Handicap history: a golfer's index after each day with rounds, oldest first, under the chosen rule.
// Initial handicap rows count but get no point of their own.

#include "golfdb/ScoreTable.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::handicap {

struct HistoryPoint {
    int year = 0, month = 0, day = 0;
    long dayNumber = 0;          // days since 1970-01-01, for spacing by date
    std::optional<double> index; // none while there is no index
    std::optional<double> low;   // World Handicap System: the low index the caps compared with
    bool softCapped = false;
    bool hardCapped = false;
};

// Moves the score table's current row. Under the legacy rules each point is the index the 20 newest
// stored differentials up to that day give, as Recalculate Handicaps would have stored it then.
std::vector<HistoryPoint> handicapHistory(golfdb::ScoreTable& scores, const std::string& golfer);

// "YYYY/MM/DD", a tab, the index as Show Handicap shows it without leading blanks, or "NH".
std::string historyLine(const HistoryPoint& point, int rule);

} // namespace kip::handicap
