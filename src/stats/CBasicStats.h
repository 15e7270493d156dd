#pragma once
// Basic statistics of one golfer within the report limits: average score and rounds over every
// counted round, and over the rounds entered hole by hole putts per round, fairways hit, greens in
// regulation and the share of holes in each score class. Also the "Basic Statistics" dialog.

#include "golfdb/ScoreTable.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"
#include "report/ReportPrint.h"
#include "stats/StatsGolfer.h"

#include <string>
#include <vector>

namespace kip::stats {

struct BasicResults {
    double averageScore = 0;
    int totalRounds = 0;
    int detailRounds = 0;
    double puttsPerRound = 0;
    double fairwaysHit = 0; // percent
    double greensInRegulation = 0;
    double eagles = 0, birdies = 0, pars = 0, bogeys = 0, doubles = 0, others = 0;
};

struct BasicTexts {
    std::string averageScore, totalRounds, detailRounds, puttsPerRound, fairwaysHit, greensInRegulation;
    std::string eagles, birdies, pars, bogeys, doubles, others;
};

class CBasicStats : public platform::DialogModel {
public:
    explicit CBasicStats(platform::Printer* printer = nullptr) : printer_(printer) {}

    StatsSubject subject;

    // Resets every number and text, then walks the golfer's rounds under the limits.
    void compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor);

    const BasicResults& results() const { return results_; }
    const BasicTexts& texts() const { return texts_; }

    std::string title() const; // "Basic Statistics for First Last"
    static const char* dialogName() { return "Basic Statistics"; }
    std::string courseText() const { return subject.limits.courseText(); }
    std::string dateText() const { return subject.limits.dateText(); }
    std::string scoreText() const { return subject.limits.scoreText(); }

    // The lines of "Print" with their advances.
    std::vector<report::PrintLine> printLines() const;
    // Prints on the printer the dialog was made with; false when there is none or it was cancelled.
    bool print() const;
    bool canPrint() const { return printer_ != nullptr; }
    int ok() { return platform::dialogOk; }

private:
    platform::Printer* printer_;
    BasicResults results_;
    BasicTexts texts_;
};

} // namespace kip::stats
