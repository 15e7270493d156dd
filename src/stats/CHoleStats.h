#pragma once
// Hole type statistics of one golfer within the report limits: how par-3, par-4 and par-5 holes go,
// the front and back nine against par, and with one hole chosen the figures of that hole alone.
// Holes whose par is not 3, 4 or 5 count in the rounds, the score and the nines, but in no column.
// Also the "Statistics By Hole" dialog.

#include "golfdb/ScoreTable.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"
#include "report/ReportPrint.h"
#include "stats/StatsGolfer.h"

#include <array>
#include <string>
#include <vector>

namespace kip::stats {

enum HoleStatRow { AvgScore, AvgPutts, Greens, FairwaysHit, Eagles, Birdies, Pars, Bogeys, Doubles, Others };
inline constexpr int holeStatRows = 10;
inline constexpr int parTypes = 3; // par 3, 4, 5

class CHoleStats : public platform::DialogModel {
public:
    explicit CHoleStats(platform::Printer* printer = nullptr) : printer_(printer) {}

    StatsSubject subject;

    void compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor);

    static const char* dialogName() { return "Statistics By Hole"; }
    static const char* rowLabel(int row);
    static const char* columnLabel(int parType); // "Par 3", "Par 4", "Par 5"

    std::string title() const; // "Statistics by Hole Type for First Last"
    // The course text, or "%s for Hole Number %d" with a hole chosen.
    std::string firstHeading() const;
    std::string dateText() const { return subject.limits.dateText(); }
    std::string scoreText() const { return subject.limits.scoreText(); }

    const std::string& detailRounds() const { return detailRounds_; }
    const std::string& averageScore() const { return averageScore_; }
    const std::string& puttsPerRound() const { return puttsPerRound_; }
    const std::string& frontNine() const { return frontNine_; }
    const std::string& backNine() const { return backNine_; }
    const std::string& cell(int row, int parType) const {
        return table_[static_cast<std::size_t>(row)][static_cast<std::size_t>(parType)];
    }

    std::vector<report::PrintLine> printLines() const;
    bool print() const;
    bool canPrint() const { return printer_ != nullptr; }
    int ok() { return platform::dialogOk; }

private:
    platform::Printer* printer_;
    std::string detailRounds_, averageScore_, puttsPerRound_, frontNine_, backNine_;
    std::array<std::array<std::string, parTypes>, holeStatRows> table_{};
};

} // namespace kip::stats
