#pragma once
// The golfer and limits a golfer statistic is computed for.

#include "stats/ReportLimits.h"

#include <string>

namespace kip::stats {

struct StatsSubject {
    std::string golfer; // the golfer's NAME as stored: the search text of the walk
    std::string first;
    std::string last;
    AppliedLimits limits;

    // Name and its first and last parts (split at the first comma).
    void setGolfer(const std::string& name);
};

} // namespace kip::stats
