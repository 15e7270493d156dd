#pragma once
// Reads the few fields a listing or a statistic needs straight from the score table's current row,
// without decoding the whole round: reports over every golfer visit every row of the table.

#include "golfdb/CourseRecord.h"
#include "golfdb/ScoreTable.h"

#include <string>
#include <string_view>

namespace kip::stats {

class ScoreRowFields {
public:
    explicit ScoreRowFields(store::Table* table);
    // False when the table is closed or lacks a field of the golf layout.
    bool valid() const { return valid_; }

    // Texts as stored (single-byte, padded to the field width) ...
    std::string_view golferField() const { return view(golfer_, golferWidth_); }
    std::string_view dateKey() const { return view(date_, dateWidth_); }
    // ... and with the trailing blanks removed.
    std::string_view course() const { return trimmed(view(course_, courseWidth_)); }
    std::string_view tee() const { return trimmed(view(tee_, teeWidth_)); }

    std::uint8_t flags() const { return *store::fieldBytes(flags_, 0); }
    bool isTotalOnly() const { return (flags() & golfdb::flagTotalOnly) != 0; }
    bool isFairwayStat() const { return (flags() & golfdb::flagNoFairwayFigures) == 0; }
    // Dated before the year 1010: the row carries a golfer's starting handicap.
    bool isInitialHandicapRound() const;

    // TOTSTROKES, or the sum of the stroke slots when it is 0.
    int grossScore() const;
    // Putts of holes 1 to 18; 0 for a total-only round.
    int totalPutts() const;
    // Holes 1 to 18 with the green-in-regulation or the fairway bit.
    int greens() const { return holesWith(golfdb::holeGreenInRegulation); }
    int fairways() const { return holesWith(golfdb::holeFairwayHit); }
    // Holes 1 to 18 played from four under par to par; 0 for a total-only round.
    int parOrLess() const;

    // One hole's figures (slots 1 to 18).
    int parOf(int hole) const { return slot(par_, hole); }
    int strokesOf(int hole) const { return slot(strokes_, hole); }
    int puttsOf(int hole) const { return slot(putts_, hole); }
    std::uint8_t holeFlagsOf(int hole) const { return store::fieldBytes(holeFlags_, 0)[hole]; }
    // The current row's hole slots 0 to 18, for loops over every hole.
    const std::int8_t* parSlots() const { return slots(par_); }
    const std::int8_t* strokeSlots() const { return slots(strokes_); }
    const std::int8_t* puttSlots() const { return slots(putts_); }
    const std::uint8_t* holeFlagSlots() const { return store::fieldBytes(holeFlags_, 0); }
    // The hole's length from the YARDAGE groups; 0 without the field.
    int yardageOf(int hole) const;
    // "%02d/%02d/%04d" of the DATE field.
    std::string dateText() const;

    // The golfer name padded to the GOLFER field, in the stored form: what golferField() holds for
    // that golfer's rows.
    static std::string storedGolferKey(const std::string& name);

private:
    static std::string_view view(store::Field* field, std::size_t width) {
        return {reinterpret_cast<const char*>(store::fieldBytes(field, 0)), width};
    }
    static std::size_t widthOf(store::Field* field);
    static const std::int8_t* slots(store::Field* field) {
        return reinterpret_cast<const std::int8_t*>(store::fieldBytes(field, 0));
    }
    static std::string_view trimmed(std::string_view text);
    int holesWith(std::uint8_t bit) const;
    // Hole slots are addressed from the field's first byte: every hole field is checked at
    // construction to hold all 19 slots.
    int slot(store::Field* field, int hole) const {
        return static_cast<std::int8_t>(store::fieldBytes(field, 0)[hole]);
    }

    store::Field* golfer_ = nullptr;
    store::Field* course_ = nullptr;
    store::Field* tee_ = nullptr;
    store::Field* date_ = nullptr;
    store::Field* flags_ = nullptr;
    store::Field* total_ = nullptr;
    store::Field* par_ = nullptr;
    store::Field* strokes_ = nullptr;
    store::Field* putts_ = nullptr;
    store::Field* holeFlags_ = nullptr;
    store::Field* yardage_ = nullptr;
    std::size_t golferWidth_ = 0, courseWidth_ = 0, teeWidth_ = 0, dateWidth_ = 0, yardageWidth_ = 0;
    bool valid_ = false;
};

} // namespace kip::stats
