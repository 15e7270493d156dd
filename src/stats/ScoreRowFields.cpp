#include "stats/ScoreRowFields.h"

#include "golfdb/GolferRecord.h"
#include "golfdb/StoreText.h"

namespace kip::stats {
namespace {

constexpr std::string_view firstRegularDate = "10100101";

} // namespace

ScoreRowFields::ScoreRowFields(store::Table* table) {
    if (!table)
        return;
    golfer_ = store::fieldByName(table, "GOLFER");
    course_ = store::fieldByName(table, "NAME");
    tee_ = store::fieldByName(table, "TEE");
    date_ = store::fieldByName(table, "DATE");
    flags_ = store::fieldByName(table, "FLAGS");
    total_ = store::fieldByName(table, "TOTSTROKES");
    par_ = store::fieldByName(table, "PAR");
    strokes_ = store::fieldByName(table, "SCORES");
    putts_ = store::fieldByName(table, "PUTTS");
    holeFlags_ = store::fieldByName(table, "HOLEFLAGS");
    // The score table refuses at open a file whose fields are not the golf layout at its widths.
    valid_ =
        golfer_ && course_ && tee_ && date_ && flags_ && total_ && par_ && strokes_ && putts_ && holeFlags_;
}

std::string_view ScoreRowFields::view(store::Field* field) {
    const auto width = static_cast<std::size_t>(store::fieldSpec(field).width);
    return {reinterpret_cast<const char*>(store::fieldBytes(field, 0)), width};
}

std::string_view ScoreRowFields::trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool ScoreRowFields::isInitialHandicapRound() const {
    return dateKey() < firstRegularDate;
}

int ScoreRowFields::grossScore() const {
    long total = store::fieldLong(total_);
    if (total == 0)
        for (int hole = 0; hole < golfdb::holeSlots; ++hole)
            total += slot(strokes_, hole);
    return static_cast<int>(total);
}

int ScoreRowFields::totalPutts() const {
    if (isTotalOnly())
        return 0;
    int putts = 0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole)
        putts += slot(putts_, hole);
    return putts;
}

int ScoreRowFields::holesWith(std::uint8_t bit) const {
    int count = 0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole)
        if (*store::fieldBytes(holeFlags_, hole) & bit)
            ++count;
    return count;
}

int ScoreRowFields::parOrLess() const {
    if (isTotalOnly())
        return 0;
    int count = 0;
    for (int hole = 1; hole < golfdb::holeSlots; ++hole) {
        const int toPar = slot(strokes_, hole) - slot(par_, hole);
        if (toPar >= -4 && toPar <= 0)
            ++count;
    }
    return count;
}

std::string ScoreRowFields::storedGolferKey(const std::string& name) {
    std::string key = golfdb::toStoreText(name);
    key.resize(golfdb::golferNameWidth, ' ');
    return key;
}

} // namespace kip::stats
