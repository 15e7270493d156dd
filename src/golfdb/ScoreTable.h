#pragma once
// Typed access to the score table (Scores): one row per round, SCORESTAG = GOLFER+DATE descending,
// so a golfer's rounds come newest first. Every operation returns the table store's result code.

#include "golfdb/CourseTable.h"
#include "golfdb/ScoreRecord.h"

#include <array>
#include <string>

namespace kip::golfdb {

inline constexpr int roundsUsedSize = 21; // index: number of rounds, 0 to 20
using RoundsUsedTable = std::array<int, roundsUsedSize>;

// Handicap rules: which rounds-used table is active.
inline constexpr int ruleUsga = 0;
inline constexpr int ruleLowestHalf = 1;
inline constexpr int ruleAllRecent = 2;
inline constexpr int ruleWorld = 3; // the World Handicap System: no rounds-used table of its own

class ScoreTable : public CourseTable {
public:
    explicit ScoreTable(std::string path);

    int open() override;
    int create() override;

    void readCurrent() override;
    void writeCurrent() override;

    // Seeks "%-40s%-8s"; 0 on an exact key, or on storeAfter when dateText is "99999999" (then the
    // row may belong to the next golfer downwards: compare record().golfer). Nothing read otherwise.
    int findRound(const std::string& golfer, const std::string& dateText);
    // The golfer's newest round (or the next golfer's, compare the name): 0 or store::storeEof.
    int findNewest(const std::string& golfer);

    bool isInitialHandicapRound() const { return score_.isInitialHandicapRound(); }

    // A walk over many rounds that needs only their handicap figures (the World Handicap System
    // replays a golfer's whole record): skipRow moves one row along the tag without reading it,
    // rowIsGolfer compares the row's GOLFER with a key from storedGolferKey, and readHandicapPart
    // reads date, flags, slope, rating, par, strokes, total, differential, stroke indexes and PCC
    // into `into` (its other members are left as they are).
    static std::string storedGolferKey(const std::string& golfer);
    int skipRow();
    bool rowIsGolfer(const std::string& storedKey) const;
    void readHandicapPart(ScoreRecord& into) const;
    int totalPutts() const { return score_.totalPutts(); }

    // Rule 1 selects ceil(n/2), rule 2 selects n, any other value the USGA table (rule 3 too, which
    // computes its index otherwise and keeps its number in handicapRule()).
    void selectRoundsUsedTable(int rule);
    int handicapRule() const { return rule_; }
    const RoundsUsedTable& roundsUsedTable() const { return active_; }
    int roundsUsed(int roundCount) const;
    static const RoundsUsedTable& roundsUsedTableOf(int rule);

    ScoreRecord& record() { return score_; }
    const ScoreRecord& record() const { return score_; }
    CourseRecord& courseRecord() override { return score_; }
    const CourseRecord& courseRecord() const override { return score_; }

private:
    enum ScoreField {
        fGolfer = coursePartFieldCount,
        fDate,
        fHcIndex,
        fTotStrokes,
        fPutts,
        fScores,
        fHoleFlags
    };
    static constexpr int scoreFieldCount = 15;

    std::vector<store::FieldSpec> layout() const override;

    ScoreRecord score_;
    RoundsUsedTable active_{};
    int rule_ = ruleUsga;
};

} // namespace kip::golfdb
