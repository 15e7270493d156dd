#include "golfdb/ScoreTable.h"

#include "golfdb/GolfSchema.h"
#include "golfdb/GolferRecord.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"

#include <algorithm>

namespace kip::golfdb {
namespace {

constexpr const char* newestDate = "99999999";
constexpr std::size_t dateWidth = 8;
// The widths the layout gives SLOPE, TOTSTROKES, and RATING and HCINDEX (checked when the table opens).
constexpr std::size_t slopeWidth = 4;
constexpr std::size_t totalWidth = 3;
constexpr std::size_t oneDecimalWidth = 4;

RoundsUsedTable makeUsga() {
    return {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
}

RoundsUsedTable makeLowestHalf() {
    RoundsUsedTable t{};
    for (int n = 0; n < roundsUsedSize; ++n)
        t[static_cast<size_t>(n)] = (n + 1) / 2;
    return t;
}

RoundsUsedTable makeAllRecent() {
    RoundsUsedTable t{};
    for (int n = 0; n < roundsUsedSize; ++n)
        t[static_cast<size_t>(n)] = n;
    return t;
}

std::string roundKey(const std::string& golfer, const std::string& dateText) {
    std::string key = toStoreText(golfer);
    key.resize(golferNameWidth, ' ');
    std::string date = dateText;
    if (date.size() < dateWidth)
        date.resize(dateWidth, ' ');
    return key + date;
}

// A number field's value read from its bytes without building a text: blanks, a sign, digits and
// one decimal point, as the store writes them; anything else is left to the store's own reading.
double numberOf(const store::Field* field, std::size_t width) {
    const unsigned char* text = store::fieldBytes(const_cast<store::Field*>(field), 0);
    std::size_t i = 0;
    while (i < width && text[i] == ' ')
        ++i;
    const bool negative = i < width && text[i] == '-';
    i += negative ? 1 : 0;
    long long digits = 0;
    long long scale = 1;
    bool point = false;
    bool any = false;
    for (; i < width; ++i) {
        if (text[i] == '.' && !point) {
            point = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            digits = digits * 10 + (text[i] - '0');
            scale *= point ? 10 : 1;
            any = true;
        } else {
            return store::fieldDouble(field);
        }
    }
    if (!any)
        return store::fieldDouble(field);
    // An exact integer divided by a power of ten: the same nearest double as reading the text.
    const double value = static_cast<double>(digits) / static_cast<double>(scale);
    return negative ? -value : value;
}

// Only the values that can have been entered count; blanks and another program's bytes read as 0.
int pccOf(store::Field* extra) {
    const auto stored = static_cast<std::int8_t>(*store::fieldBytes(extra, pccOffset));
    return stored >= lowestPcc && stored <= highestPcc ? stored : 0;
}

} // namespace

ScoreTable::ScoreTable(std::string path) : CourseTable(std::move(path), scoresTagName) {
    selectRoundsUsedTable(ruleUsga);
}

const RoundsUsedTable& ScoreTable::roundsUsedTableOf(int rule) {
    static const RoundsUsedTable usga = makeUsga();
    static const RoundsUsedTable lowestHalf = makeLowestHalf();
    static const RoundsUsedTable allRecent = makeAllRecent();
    if (rule == ruleLowestHalf)
        return lowestHalf;
    if (rule == ruleAllRecent)
        return allRecent;
    return usga;
}

void ScoreTable::selectRoundsUsedTable(int rule) {
    active_ = roundsUsedTableOf(rule);
    rule_ = rule;
}

int ScoreTable::roundsUsed(int roundCount) const {
    if (roundCount < 0)
        return 0;
    if (roundCount >= roundsUsedSize)
        return active_[roundsUsedSize - 1];
    return active_[static_cast<size_t>(roundCount)];
}

int ScoreTable::open() {
    return openWith(false, scoreFieldCount);
}

int ScoreTable::create() {
    return createWith(scoreFields(), scoresTag(), scoreFieldCount);
}

std::vector<store::FieldSpec> ScoreTable::layout() const {
    return scoreFields();
}

void ScoreTable::readCurrent() {
    readCoursePart(true);
    ScoreRecord& r = score_;
    r.golfer = fields::readText(field(fGolfer));
    const std::string date = store::fieldText(field(fDate));
    r.year = fields::groupValue(date, 0, 4);
    r.month = fields::groupValue(date, 4, 2);
    r.day = fields::groupValue(date, 6, 2);
    r.totalStrokes = static_cast<std::int32_t>(store::fieldLong(field(fTotStrokes)));
    r.differential = store::fieldDouble(field(fHcIndex));
    fields::readBytes(field(fPutts), r.putts);
    fields::readBytes(field(fScores), r.strokes);
    fields::readBytes(field(fHoleFlags), r.holeFlags);
    r.pcc = pccOf(field(fExtra));
}

std::string ScoreTable::storedGolferKey(const std::string& golfer) {
    std::string key = toStoreText(golfer);
    key.resize(golferNameWidth, ' ');
    return key;
}

int ScoreTable::skipRow() {
    return table_ ? store::skipRecords(table_, 1) : store::storeErrState;
}

bool ScoreTable::rowIsGolfer(const std::string& storedKey) const {
    const unsigned char* stored = store::fieldBytes(field(fGolfer), 0);
    return storedKey.size() == golferNameWidth && std::equal(storedKey.begin(), storedKey.end(), stored);
}

void ScoreTable::readHandicapPart(ScoreRecord& into) const {
    into.flags = *store::fieldBytes(field(fFlags), 0);
    into.slope = static_cast<std::int32_t>(numberOf(field(fSlope), slopeWidth));
    into.rating = numberOf(field(fRating), oneDecimalWidth);
    const unsigned char* par = store::fieldBytes(field(fPar), 0);
    const unsigned char* strokes = store::fieldBytes(field(fScores), 0);
    for (std::size_t i = 0; i < holeSlots; ++i) {
        into.par[i] = static_cast<std::int8_t>(par[i]);
        into.strokes[i] = static_cast<std::int8_t>(strokes[i]);
    }
    const unsigned char* date = store::fieldBytes(field(fDate), 0);
    const auto digits = [date](int from, int count) {
        const std::string text(reinterpret_cast<const char*>(date) + from, static_cast<std::size_t>(count));
        return fields::groupValue(text, 0, static_cast<std::size_t>(count));
    };
    into.year = digits(0, 4);
    into.month = digits(4, 2);
    into.day = digits(6, 2);
    into.totalStrokes = static_cast<std::int32_t>(numberOf(field(fTotStrokes), totalWidth));
    into.differential = numberOf(field(fHcIndex), oneDecimalWidth);
    readStrokeIndexes(field(fExtra), into.strokeIndex);
    into.pcc = pccOf(field(fExtra));
}

void ScoreTable::writeCurrent() {
    writeCoursePart(true);
    const ScoreRecord& r = score_;
    fields::writeText(field(fGolfer), r.golfer);
    store::assignText(field(fDate), r.dateText());
    store::assignDouble(field(fHcIndex), fields::storedOneDecimal(r.differential));
    store::assignLong(field(fTotStrokes), r.totalStrokes);
    fields::writeBytes(field(fPutts), r.putts);
    fields::writeBytes(field(fScores), r.strokes);
    fields::writeBytes(field(fHoleFlags), r.holeFlags);
    // A PCC of 0 stays blank; a value outside the range cannot have been entered and is not kept.
    if (r.pcc != 0 && r.pcc >= lowestPcc && r.pcc <= highestPcc)
        *store::fieldBytes(field(fExtra), pccOffset) =
            static_cast<unsigned char>(static_cast<std::int8_t>(r.pcc));
}

int ScoreTable::findRound(const std::string& golfer, const std::string& dateText) {
    if (!table_)
        return store::storeErrState;
    const int rc = store::seekKey(table_, roundKey(golfer, dateText));
    if (rc == store::storeOk || (rc == store::storeAfter && dateText == newestDate)) {
        readCurrent();
        return store::storeOk;
    }
    return rc;
}

int ScoreTable::findNewest(const std::string& golfer) {
    if (!table_)
        return store::storeErrState;
    const int rc = store::seekKey(table_, roundKey(golfer, newestDate));
    if (rc == store::storeOk || rc == store::storeAfter) {
        readCurrent();
        return store::storeOk;
    }
    return rc;
}

} // namespace kip::golfdb
