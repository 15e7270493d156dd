#pragma once
// "Golfer Rounds": View All Rounds and Show Points. The dialog opens with its column header and the
// worker fills the list while it is shown; "Print" waits for the done message. Closing the dialog
// asks the worker to stop and waits for it.

#include "golfdb/CKipGolfDoc.h"
#include "platform/PrintSurface.h"
#include "platform/WaitCursor.h"
#include "report/CListDlg.h"
#include "stats/RoundListWorker.h"

#include <functional>
#include <string>
#include <vector>

namespace kip::stats {

class CListRounds : public report::CListDlg {
public:
    static constexpr int courseTabStop = 60; // dialog units

    // dataDir: where the worker opens its own tables. cursor may be null.
    CListRounds(std::string dataDir, RoundListParams params, std::string dateText, platform::Printer* printer,
                platform::WaitCursor* cursor);
    ~CListRounds() override;

    static const char* heading() { return "Rounds for the Selected Golfers"; }
    static const char* printTitle() { return "List All Rounds for Selected Golfers"; }
    const std::string& dateText() const { return dateText_; }
    bool pointsMode() const { return params_.pointsMode; }
    const char* columnHeader() const;

    // Opening: the wait cursor, the column header, and the worker on its own thread. The poster
    // must live until closeListing() has returned.
    void open(RoundLinePoster& poster);
    // The worker's messages, handled on the dialog's thread.
    void receiveLines(std::vector<RoundLine> lines);
    void receiveDone();
    bool workerRunning() const { return workerRunning_; }
    bool done() const { return done_; }

    // OK with a round line selected opens it; otherwise OK and Cancel close (closeListing first).
    int pressOk();
    int pressCancel();
    // Asks the worker to stop and waits for it; the cursor is restored. Done again by the destructor.
    void closeListing();

    // A selected header or blank line clears the selection.
    void selectLine(int index);

    void setViewer(std::function<void(long record)> viewer);
    bool printListing();

private:
    void restoreCursor();

    std::string dataDir_;
    RoundListParams params_;
    std::string dateText_;
    platform::Printer* printer_;
    platform::WaitCursor* cursor_;
    bool cursorShown_ = false;
    std::string lastGolfer_;
    bool opened_ = false;
    bool workerRunning_ = false;
    bool done_ = false;
    RoundListWorker worker_;
};

} // namespace kip::stats
