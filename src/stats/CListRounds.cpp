#include "stats/CListRounds.h"

#include "report/ReportPrint.h"
#include "stats/StatsText.h"

namespace kip::stats {

CListRounds::CListRounds(std::string dataDir, RoundListParams params, std::string dateText,
                         platform::Printer* printer, platform::WaitCursor* cursor)
    : CListDlg("Golfer Rounds"), dataDir_(std::move(dataDir)), params_(std::move(params)),
      dateText_(std::move(dateText)), printer_(printer), cursor_(cursor) {
    setHeadings(heading(), {});
    setTabStops({courseTabStop});
    showButton(report::ListButton::Cancel);
    setOkOpensSelection(true);
    setPrintEnabled(false);
    setPrintAction(report::ListButton::Print, [this] { printListing(); });
}

CListRounds::~CListRounds() {
    closeListing();
}

const char* CListRounds::columnHeader() const {
    return params_.pointsMode ? "Score(Net) (Pts)   Date        Golfer                Course"
                              : "Score(Net)   Date        Golfer                Course";
}

void CListRounds::open(RoundLinePoster& poster) {
    if (opened_)
        return; // one listing per dialog
    opened_ = true;
    if (cursor_ && !cursorShown_) {
        cursor_->begin();
        cursorShown_ = true;
    }
    addLine(columnHeader());
    workerRunning_ = true;
    worker_.start(dataDir_, params_, poster);
}

void CListRounds::receiveLines(std::vector<RoundLine> lines) {
    golfdb::ItemList items;
    items.reserve(lines.size() + 1);
    for (const RoundLine& l : lines) {
        if (l.golfer != lastGolfer_) {
            lastGolfer_ = l.golfer;
            items.push_back({" ", report::noRecord});
        }
        std::string text = params_.pointsMode
                               ? formatText("%3d  (%3d) (%3d) %s  %-20s  %s (%s)", l.score, l.net, l.points,
                                            l.date.c_str(), l.golfer.c_str(), l.course.c_str(), l.tee.c_str())
                               : formatText("%3d  (%3d) %s  %-20s  %s (%s)", l.score, l.net, l.date.c_str(),
                                            l.golfer.c_str(), l.course.c_str(), l.tee.c_str());
        items.push_back({std::move(text), l.row});
    }
    addLines(items);
}

void CListRounds::receiveDone() {
    done_ = true;
    workerRunning_ = false;
    restoreCursor();
    setPrintEnabled(true);
}

int CListRounds::pressOk() {
    const int result = ok();
    if (result != report::dialogStaysOpen)
        closeListing();
    return result;
}

int CListRounds::pressCancel() {
    closeListing();
    return cancel();
}

void CListRounds::closeListing() {
    worker_.requestStop();
    workerRunning_ = false;
    worker_.join();
    restoreCursor();
}

void CListRounds::restoreCursor() {
    if (cursorShown_) {
        cursorShown_ = false;
        cursor_->end();
    }
}

void CListRounds::selectLine(int index) {
    if (index >= 0 && index < size() && line(index).record == report::noRecord)
        clearSelection();
    else
        select(index);
}

void CListRounds::setViewer(std::function<void(long)> viewer) {
    setOpenAction([viewer = std::move(viewer)](int, long record) { viewer(record); });
}

bool CListRounds::printListing() {
    if (!printer_ || !done_)
        return false;
    return report::printReport(*printer_, report::PrintVariant::RoundListing, {},
                               report::printLines(texts()));
}

} // namespace kip::stats
