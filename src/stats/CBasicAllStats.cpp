#include "stats/CBasicAllStats.h"

#include "stats/CBasicStats.h"
#include "stats/StatsText.h"
#include "store/TableStore.h"

namespace kip::stats {

CBasicAllStats::CBasicAllStats(platform::Printer* printer) : CListDlg(dialogName()), printer_(printer) {
    setHelpTopic("stats-all");
    setPrintAction(report::ListButton::Print, [this] { printListing(); });
}

void CBasicAllStats::compute(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores,
                             platform::WaitCursor* cursor) {
    platform::WaitCursorScope wait(cursor);
    setHeadings(limits.dateText(), limits.courseText());
    clear();
    addLine(columnHeader());
    CBasicStats stats;
    stats.subject.limits = limits;
    for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
        const std::string name = golfers.record().name;
        stats.subject.setGolfer(name);
        stats.compute(scores, nullptr);
        const BasicResults& r = stats.results();
        addLine(name);
        addLine(formatText("%3.0f   %3d     %3d     %3.0f    %4.1f%%   %4.1f%%   %4.1f%%   %4.1f%%   %4.1f%%",
                           r.averageScore, r.totalRounds, r.detailRounds, r.puttsPerRound,
                           r.eagles + r.birdies, r.pars, r.bogeys + r.doubles + r.others, r.fairwaysHit,
                           r.greensInRegulation));
        addLine("");
    }
}

std::string CBasicAllStats::limitsLine() const {
    const std::string course = limits.courseText();
    const std::string dates = limits.dateText();
    if (course.empty() && dates.empty())
        return {};
    return formatText("%s  %s", course.c_str(), dates.c_str());
}

std::vector<std::string> CBasicAllStats::printedTexts() const {
    std::vector<std::string> out = {printHeading()};
    if (!limitsLine().empty())
        out.push_back(limitsLine());
    for (const std::string& text : texts())
        out.push_back(text);
    return out;
}

bool CBasicAllStats::printListing() const {
    return printer_ && report::printReport(*printer_, report::PrintVariant::BasicAllStats, limitsLine(),
                                           report::printLines(texts()));
}

} // namespace kip::stats
