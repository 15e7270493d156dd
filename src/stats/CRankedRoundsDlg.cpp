#include "stats/CRankedRoundsDlg.h"

#include "report/ReportPrint.h"
#include "stats/StatsText.h"

namespace kip::stats {

CRankedRoundsDlg::CRankedRoundsDlg(RankKind kind, platform::Printer* printer)
    : CListDlg(kind == RankKind::LowestScores ? "Show the Lowest Scores" : "Show the Fewest Putts"),
      kind_(kind), printer_(printer) {
    setTabStops({courseTabStop, secondTabStop});
    showButton(report::ListButton::Cancel);
    setOkOpensSelection(true);
    setPrintAction(report::ListButton::Print, [this] { printListing(); });
}

void CRankedRoundsDlg::setGolferNames(const std::string& first, const std::string& last) {
    const char* pattern = kind_ == RankKind::LowestScores ? "Lowest %d Scores for %s %s"
                                                          : "%d Rounds with Fewest Putts for %s %s";
    setHeadings({}, formatText(pattern, RoundRanking::places, first.c_str(), last.c_str()));
}

void CRankedRoundsDlg::rank(golfdb::ScoreTable& scores, const std::string* golfer,
                            platform::WaitCursor* cursor) {
    ranking_ = RoundRanking();
    rankRounds(scores, golfer, kind_, ranking_, cursor);
}

const char* CRankedRoundsDlg::columnHeader() const {
    return kind_ == RankKind::LowestScores ? "Score Date        Golfer\tCourse"
                                           : "Putts Score Date        Golfer\tCourse";
}

void CRankedRoundsDlg::buildLines(golfdb::ScoreTable& scores) {
    clear();
    addLine(columnHeader());
    constexpr int last = RoundRanking::places - 1;
    for (int place = 0; place < RoundRanking::places && ranking_.row(place) != RoundRanking::emptyRow;
         ++place) {
        const long row = ranking_.row(place);
        if (scores.goTo(row) != store::storeOk)
            continue;
        golfdb::ScoreRecord& r = scores.record();
        const int total = r.grossScore();
        const int putts = r.totalPutts();
        std::string text;
        if (place == last && ranking_.tieCount() > 1) {
            text = kind_ == RankKind::LowestScores
                       ? formatText("%3d               %d more rounds with this score", total,
                                    ranking_.tieCount())
                       : formatText("%3d               %d more rounds with this number of putts", putts,
                                    ranking_.tieCount());
        } else if (kind_ == RankKind::LowestScores) {
            text = formatText("%3d   %02d/%02d/%04d  %s\t%s (%s)", total, r.month, r.day, r.year,
                              r.golfer.c_str(), r.name.c_str(), r.tee.c_str());
        } else {
            text = formatText("%3d    %3d  %02d/%02d/%04d  %s\t%s (%s)", putts, total, r.month, r.day, r.year,
                              r.golfer.c_str(), r.name.c_str(), r.tee.c_str());
        }
        addLine(std::move(text), row);
    }
}

void CRankedRoundsDlg::setViewer(std::function<void(long)> viewer) {
    setOpenAction([viewer = std::move(viewer)](int, long record) { viewer(record); });
}

bool CRankedRoundsDlg::printListing() {
    if (!printer_)
        return false;
    const auto variant = kind_ == RankKind::LowestScores ? report::PrintVariant::LowestScores
                                                         : report::PrintVariant::FewestPutts;
    return report::printReport(*printer_, variant, heading(), report::printLines(texts()));
}

} // namespace kip::stats
