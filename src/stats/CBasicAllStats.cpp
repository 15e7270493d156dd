#include "stats/CBasicAllStats.h"

#include "stats/CBasicStats.h"
#include "stats/StatsText.h"
#include "store/TableStore.h"

namespace kip::stats {

void CBasicAllStats::compute(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores,
                             platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    lines_ = {columnHeader()};
    CBasicStats stats;
    stats.subject.limits = limits;
    for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
        const std::string name = golfers.record().name;
        stats.subject.setGolfer(name);
        stats.compute(scores, nullptr);
        const BasicResults& r = stats.results();
        lines_.push_back(name);
        lines_.push_back(
            formatText("%3.0f   %3d     %3d     %3.0f    %4.1f%%   %4.1f%%   %4.1f%%   %4.1f%%   %4.1f%%",
                       r.averageScore, r.totalRounds, r.detailRounds, r.puttsPerRound, r.eagles + r.birdies,
                       r.pars, r.bogeys + r.doubles + r.others, r.fairwaysHit, r.greensInRegulation));
        lines_.emplace_back();
    }
}

std::vector<report::PrintLine> CBasicAllStats::printLines() const {
    std::vector<report::PrintLine> out;
    out.push_back({printHeading(), 1});
    if (!secondHeading().empty() || !firstHeading().empty())
        out.push_back({formatText("%s  %s", secondHeading().c_str(), firstHeading().c_str()), 1});
    for (const std::string& line : lines_)
        out.push_back({line, 1});
    return out;
}

} // namespace kip::stats
