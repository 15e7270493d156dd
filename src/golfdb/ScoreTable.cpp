#include "golfdb/ScoreTable.h"

#include "golfdb/GolfSchema.h"
#include "golfdb/GolferRecord.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"

namespace kip::golfdb {
namespace {

constexpr const char* newestDate = "99999999";
constexpr std::size_t dateWidth = 8;

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
    r.pcc = 0;
    if (const auto stored = static_cast<std::int8_t>(*store::fieldBytes(field(fExtra), pccOffset));
        stored >= lowestPcc && stored <= highestPcc)
        r.pcc = stored;
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
