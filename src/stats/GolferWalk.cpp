#include "stats/GolferWalk.h"

#include <cstring>

namespace kip::stats {
namespace {

constexpr const char* newestDate = "99999999";

template <class Array, class Slot> void copySlots(const Slot* slots, Array& out) {
    std::memcpy(out.data(), slots, out.size());
}

} // namespace

GolferWalk::GolferWalk(golfdb::ScoreTable& scores, const AppliedLimits& limits, RoundTestKind kind)
    : table_(scores.storeTable()), limits_(limits), kind_(kind), fields_(table_) {}

bool GolferWalk::start(const std::string& golfer) {
    if (!fields_.valid())
        return false;
    key_ = ScoreRowFields::storedGolferKey(golfer);
    const std::string search = key_ + (limits_.limits.datesLimited ? limits_.limits.toKey : newestDate);
    const int rc = store::seekKey(table_, search);
    return rc == store::storeOk || rc == store::storeAfter;
}

bool GolferWalk::onGolfer() const {
    return fields_.golferField() == std::string_view(key_);
}

RoundVerdict GolferWalk::test() {
    round_.flags = fields_.flags();
    round_.grossScore = fields_.grossScore();
    RoundKeyFacts facts;
    facts.course = fields_.course();
    facts.tee = fields_.tee();
    facts.dateKey = fields_.dateKey();
    facts.totalOnly = !round_.isDetail();
    facts.fairwayStat = round_.isFairwayStat();
    facts.grossScore = round_.grossScore;
    return roundTest(facts, limits_, kind_);
}

void GolferWalk::readFigures() {
    copySlots(fields_.parSlots(), round_.par);
    copySlots(fields_.strokeSlots(), round_.strokes);
    copySlots(fields_.puttSlots(), round_.putts);
    copySlots(fields_.holeFlagSlots(), round_.holeFlags);
}

bool GolferWalk::advance() {
    return store::skipRecords(table_, 1) == store::storeOk;
}

} // namespace kip::stats
