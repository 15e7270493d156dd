#pragma once
// The two ranked listings, "Show the Lowest Scores" and "Show the Fewest Putts": the 20 best rounds
// of one golfer or of every golfer, the 20th line counting the rounds that tie with it. A listed
// round opens for viewing from the list.

#include "golfdb/ScoreTable.h"
#include "platform/PrintSurface.h"
#include "report/CListDlg.h"
#include "stats/RoundRanking.h"

#include <functional>
#include <string>
#include <vector>

namespace kip::stats {

class CRankedRoundsDlg : public report::CListDlg {
public:
    static constexpr int courseTabStop = 180; // dialog units
    static constexpr int secondTabStop = 230;

    CRankedRoundsDlg(RankKind kind, platform::Printer* printer);

    RankKind kind() const { return kind_; }
    // "Lowest 20 Scores for First Last" or "20 Rounds with Fewest Putts for First Last".
    void setGolferNames(const std::string& first, const std::string& last);
    const std::string& heading() const { return secondHeading(); }

    RoundRanking& ranking() { return ranking_; }
    const RoundRanking& ranking() const { return ranking_; }
    // Ranks the rounds (golfer as stored; null for every golfer).
    void rank(golfdb::ScoreTable& scores, const std::string* golfer, platform::WaitCursor* cursor);

    // The listing lines, made when the dialog opens: the column header, then one line per ranked
    // round that can be read, each bound to its score row.
    void buildLines(golfdb::ScoreTable& scores);
    const char* columnHeader() const;

    // What opening a listed round does (the score row's record number). A line's round that cannot
    // be read is reported by the viewer.
    void setViewer(std::function<void(long record)> viewer);

    // "Print": false without a printer or when the print dialog was cancelled.
    bool printListing();

private:
    RankKind kind_;
    platform::Printer* printer_;
    RoundRanking ranking_;
};

} // namespace kip::stats
