#include "stats/StatsGolfer.h"

#include "golfdb/GolferRecord.h"

namespace kip::stats {

void StatsSubject::setGolfer(const std::string& name) {
    golfer = name;
    const golfdb::NameParts parts = golfdb::splitGolferName(name);
    first = parts.first;
    last = parts.last;
}

} // namespace kip::stats
