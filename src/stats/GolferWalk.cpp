#include "stats/GolferWalk.h"

#include "golfdb/GolferRecord.h"
#include "golfdb/StoreText.h"

#include <cstring>

namespace kip::stats {
namespace {

constexpr const char* newestDate = "99999999";

std::size_t widthOf(const store::Field* field) {
    return field ? static_cast<std::size_t>(store::fieldSpec(field).width) : 0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

template <class Array> void copyBytes(store::Field* field, Array& out) {
    std::memcpy(out.data(), store::fieldBytes(field, 0), out.size());
}

} // namespace

GolferWalk::GolferWalk(golfdb::ScoreTable& scores, const AppliedLimits& limits, RoundTestKind kind)
    : table_(scores.storeTable()), limits_(limits), kind_(kind) {
    if (!table_)
        return;
    golfer_ = store::fieldByName(table_, "GOLFER");
    course_ = store::fieldByName(table_, "NAME");
    tee_ = store::fieldByName(table_, "TEE");
    date_ = store::fieldByName(table_, "DATE");
    flags_ = store::fieldByName(table_, "FLAGS");
    total_ = store::fieldByName(table_, "TOTSTROKES");
    par_ = store::fieldByName(table_, "PAR");
    strokes_ = store::fieldByName(table_, "SCORES");
    putts_ = store::fieldByName(table_, "PUTTS");
    holeFlags_ = store::fieldByName(table_, "HOLEFLAGS");
    golferWidth_ = widthOf(golfer_);
    courseWidth_ = widthOf(course_);
    teeWidth_ = widthOf(tee_);
    dateWidth_ = widthOf(date_);
    // The score table refuses at open a file whose fields are not the golf layout at its widths.
    valid_ =
        golfer_ && course_ && tee_ && date_ && flags_ && total_ && par_ && strokes_ && putts_ && holeFlags_;
}

bool GolferWalk::start(const std::string& golfer) {
    if (!valid_)
        return false;
    key_ = golfdb::toStoreText(golfer);
    key_.resize(golfdb::golferNameWidth, ' ');
    const std::string search = key_ + (limits_.limits.datesLimited ? limits_.limits.toKey : newestDate);
    const int rc = store::seekKey(table_, search);
    return rc == store::storeOk || rc == store::storeAfter;
}

bool GolferWalk::onGolfer() const {
    return view(golfer_, golferWidth_) == std::string_view(key_);
}

RoundVerdict GolferWalk::test() {
    const std::uint8_t flags = *store::fieldBytes(flags_, 0);
    long total = store::fieldLong(total_);
    if (total == 0)
        for (int slot = 0; slot < golfdb::holeSlots; ++slot)
            total += static_cast<std::int8_t>(*store::fieldBytes(strokes_, slot));
    round_.flags = flags;
    round_.grossScore = static_cast<int>(total);
    RoundKeyFacts facts;
    facts.course = trimmed(view(course_, courseWidth_));
    facts.tee = trimmed(view(tee_, teeWidth_));
    facts.dateKey = view(date_, dateWidth_);
    facts.totalOnly = !round_.isDetail();
    facts.fairwayStat = round_.isFairwayStat();
    facts.grossScore = round_.grossScore;
    return roundTest(facts, limits_, kind_);
}

void GolferWalk::readFigures() {
    copyBytes(par_, round_.par);
    copyBytes(strokes_, round_.strokes);
    copyBytes(putts_, round_.putts);
    copyBytes(holeFlags_, round_.holeFlags);
}

std::string_view GolferWalk::view(store::Field* field, std::size_t width) {
    return {reinterpret_cast<const char*>(store::fieldBytes(field, 0)), width};
}

bool GolferWalk::advance() {
    return store::skipRecords(table_, 1) == store::storeOk;
}

} // namespace kip::stats
