#include "stats/ReportLimits.h"

#include "golfdb/StoreText.h"
#include "stats/StatsText.h"

namespace kip::stats {
namespace {

// Initial handicap rounds are dated in the year 1001.
constexpr std::string_view firstRealDate = "10100101";

} // namespace

std::string AppliedLimits::courseText() const {
    if (!courseLimited)
        return {};
    return teeLimited ? courseName + " (" + teeName + ")" : courseName;
}

std::string AppliedLimits::dateText() const {
    if (!datesLimited)
        return {};
    return formatText("From %02d/%02d/%04d Through %02d/%02d/%04d", fromMonth, fromDay, fromYear, toMonth,
                      toDay, toYear);
}

std::string AppliedLimits::scoreText() const {
    if (scoreGreater)
        return formatText("Using Only Scores > %i", scoreBound);
    if (scoreLess)
        return formatText("Using Only Scores < %i", scoreBound);
    return {};
}

StoredLimits::StoredLimits(const AppliedLimits& applied)
    : limits(applied), course(golfdb::toStoreText(applied.courseName)),
      tee(golfdb::toStoreText(applied.teeName)) {}

RoundVerdict roundTest(const RoundKeyFacts& round, const StoredLimits& stored, RoundTestKind kind) {
    const AppliedLimits& limits = stored.limits;
    if (kind == RoundTestKind::Full && round.dateKey < firstRealDate)
        return RoundVerdict::NotCounted;
    if (limits.courseLimited && round.course != stored.course)
        return RoundVerdict::NotCounted;
    if (kind == RoundTestKind::FairwayStatRound && !round.fairwayStat)
        return RoundVerdict::NotCounted;
    if (limits.teeLimited && round.tee != stored.tee)
        return RoundVerdict::NotCounted;
    if (limits.datesLimited && round.dateKey < std::string_view(limits.fromKey))
        return RoundVerdict::EndWalk;
    if (limits.scoreGreater && !(round.grossScore > limits.scoreBound))
        return RoundVerdict::NotCounted;
    if (limits.scoreLess && !(round.grossScore < limits.scoreBound))
        return RoundVerdict::NotCounted;
    return RoundVerdict::Counted;
}

} // namespace kip::stats
