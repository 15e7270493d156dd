#include "app/LeaderboardScan.h"

#include "golfdb/CourseRecord.h"
#include "golfdb/TableFields.h"

namespace kip::app {
namespace {

// Starting handicap rows are dated in the year 1001.
constexpr std::string_view firstRealDate = "10100101";
constexpr int courseHandicapWidth = 3; // YARDAGE slot 0: the course handicap of the round

} // namespace

LeaderboardScan::LeaderboardScan(store::Table* table)
    : table_(table), golfer_(store::fieldByName(table, "GOLFER")), date_(store::fieldByName(table, "DATE")),
      totalStrokes_(store::fieldByName(table, "TOTSTROKES")), strokes_(store::fieldByName(table, "SCORES")),
      putts_(store::fieldByName(table, "PUTTS")), flags_(store::fieldByName(table, "FLAGS")),
      yardage_(store::fieldByName(table, "YARDAGE")) {
    valid_ = table_ && golfer_ && date_ && totalStrokes_ && strokes_ && putts_ && flags_ && yardage_;
}

bool LeaderboardScan::read(RoundFacts& facts) {
    const std::string date = store::fieldText(date_);
    if (date < firstRealDate)
        return false;
    facts.year = golfdb::fields::groupValue(date, 0, 4);
    facts.month = golfdb::fields::groupValue(date, 4, 2);
    facts.day = golfdb::fields::groupValue(date, 6, 2);
    const unsigned flags = *store::fieldBytes(flags_, 0);
    facts.gross = static_cast<int>(store::fieldLong(totalStrokes_));
    if (facts.gross == 0)
        for (int slot = 0; slot < golfdb::holeSlots; ++slot)
            facts.gross += static_cast<std::int8_t>(*store::fieldBytes(strokes_, slot));
    const std::string yardage = store::fieldText(yardage_);
    facts.net = facts.gross - golfdb::fields::groupValue(yardage, 0, courseHandicapWidth);
    facts.putts = 0;
    if ((flags & golfdb::flagTotalOnly) == 0)
        for (int hole = 1; hole < golfdb::holeSlots; ++hole)
            facts.putts += static_cast<std::int8_t>(*store::fieldBytes(putts_, hole));
    facts.countsForPutts = (flags & golfdb::flagNoFairwayFigures) == 0;
    facts.golfer = golfdb::fields::readText(golfer_);
    return true;
}

void LeaderboardScan::offerAll(Leaderboard& board) {
    if (!valid_)
        return;
    RoundFacts facts;
    for (int rc = store::goTop(table_); rc == store::storeOk; rc = store::skipRecords(table_, 1))
        if (read(facts))
            board.offer(facts);
}

} // namespace kip::app
