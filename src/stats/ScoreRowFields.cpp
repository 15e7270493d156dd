#include "stats/ScoreRowFields.h"

#include "golfdb/GolferRecord.h"
#include "golfdb/StoreText.h"

#include <algorithm>

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
    yardage_ = store::fieldByName(table, "YARDAGE");
    // The score table refuses at open a file whose fields are not the golf layout at its widths.
    valid_ =
        golfer_ && course_ && tee_ && date_ && flags_ && total_ && par_ && strokes_ && putts_ && holeFlags_;
    for (store::Field* hole : {par_, strokes_, putts_, holeFlags_})
        valid_ = valid_ && widthOf(hole) >= static_cast<std::size_t>(golfdb::holeSlots);
    golferWidth_ = widthOf(golfer_);
    courseWidth_ = widthOf(course_);
    teeWidth_ = widthOf(tee_);
    dateWidth_ = widthOf(date_);
    yardageWidth_ = widthOf(yardage_);
}

std::size_t ScoreRowFields::widthOf(store::Field* field) {
    return field ? static_cast<std::size_t>(store::fieldSpec(field).width) : 0;
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
        if (holeFlagsOf(hole) & bit)
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

int ScoreRowFields::yardageOf(int hole) const {
    constexpr int group = 3;
    if (!yardage_)
        return 0;
    const std::string_view text = view(yardage_, yardageWidth_);
    std::size_t i = static_cast<std::size_t>(hole * group);
    const std::size_t end = std::min(text.size(), i + group);
    while (i < end && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int value = 0;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

std::string ScoreRowFields::dateText() const {
    const std::string_view key = dateKey();
    if (key.size() < 8)
        return {};
    std::string text = "00/00/0000";
    text.replace(0, 2, key.substr(4, 2));
    text.replace(3, 2, key.substr(6, 2));
    text.replace(6, 4, key.substr(0, 4));
    return text;
}

std::string ScoreRowFields::storedGolferKey(const std::string& name) {
    std::string key = golfdb::toStoreText(name);
    key.resize(golfdb::golferNameWidth, ' ');
    return key;
}

} // namespace kip::stats
