#pragma once
// "Show Course Average Scores by Hole": the average result on each hole of one course and tee for
// one golfer or every golfer, with the lowest and highest round, fewest and most putts and fewest and
// most greens in regulation. Only rounds entered hole by hole on exactly that course and tee count.

#include "golfdb/CourseRecord.h"
#include "golfdb/ScoreTable.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"
#include "report/CListDlg.h"

#include <array>
#include <string>
#include <vector>

namespace kip::stats {

class ScoreRowFields;

struct CourseHole {
    int par = 0;
    int yardage = 0;
    double strokes = 0, putts = 0, fairways = 0, greens = 0; // sums, then averages per round
    int eagles = 0, birdies = 0, pars = 0, bogeys = 0, doublesOrWorse = 0;
};

struct CourseExtreme {
    int value = 0;
    int count = 0;
    double average = 0; // the average total of the rounds with that value
    std::string date;   // "%02d/%02d/%04d" of the round that set the value
};

class CCourseStatsDlg : public report::CListDlg {
public:
    static constexpr int unsetLow = 999;

    explicit CCourseStatsDlg(platform::Printer* printer = nullptr);

    // Inputs.
    bool allGolfers = true;
    std::string golferName; // as stored; the walk's search text
    std::string firstName, lastName;
    std::string courseName, teeName;

    // Resets the figures and walks the rounds; then the lines and the heading.
    void compute(golfdb::ScoreTable& scores, platform::WaitCursor* cursor);

    int rounds() const { return rounds_; }
    const CourseHole& hole(int number) const { return holes_[static_cast<std::size_t>(number)]; }
    double averageRound() const { return sumOfTotals_; }
    const CourseExtreme& lowRound() const { return low_; }
    const CourseExtreme& highRound() const { return high_; }
    const CourseExtreme& fewestPutts() const { return fewestPutts_; }
    const CourseExtreme& mostPutts() const { return mostPutts_; }
    const CourseExtreme& fewestGreens() const { return fewestGreens_; }
    const CourseExtreme& mostGreens() const { return mostGreens_; }

    // "Statistics for %s, %s Tees (%d Rounds)".
    std::string heading() const;
    // The listing lines (the list has no tab stops).
    std::vector<std::string> listingLines() const;

    bool printListing();

private:
    void reset();
    void count(const ScoreRowFields& round);
    void finish();

    platform::Printer* printer_;
    int rounds_ = 0;
    std::array<CourseHole, golfdb::holeSlots> holes_{};
    double sumOfTotals_ = 0;
    CourseExtreme low_, high_, fewestPutts_, mostPutts_, fewestGreens_, mostGreens_;
};

} // namespace kip::stats
