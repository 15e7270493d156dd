#pragma once
// "Select Graphing Limits": the golfer, the dates and the statistics of the graph. The two columns
// of statistics are enabled so that no choice needs more than two scales.

#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <array>
#include <string>

namespace kip::stats {

enum class GraphBox { Scores, Putts, Fairways, Greens, ParsOrLess };

class CGraphSelectDlg : public platform::DialogModel {
public:
    static constexpr int boxCount = 5;

    // doc may be null: the dialog then only shows its error on opening.
    CGraphSelectDlg(golfdb::CKipGolfDoc* doc, platform::Prompter& prompter, platform::Date today);

    static const char* title() { return "Select Graphing Limits"; }
    static const char* explanation();
    static const char* label(GraphBox box);

    // Called before the dialog is shown: fills the golfer list. Without a document it shows the
    // document error and returns dialogCancel; otherwise 0.
    int open();

    const golfdb::ItemList& golfers() const { return golfers_; }
    int selectedGolfer() const { return selected_; }
    void selectGolfer(int index);

    platform::Date fromDate() const { return from_; }
    platform::Date toDate() const { return to_; }
    void setFromDate(platform::Date date) { from_ = date; }
    void setToDate(platform::Date date) { to_ = date; }

    bool checked(GraphBox box) const { return checked_[index(box)]; }
    bool enabled(GraphBox box) const { return enabled_[index(box)]; }
    // A click on a box: refused (false) while the box is disabled; then the enabling rules.
    bool click(GraphBox box, bool on);

    // The checks of OK; false keeps the dialog open after a message.
    bool ok();
    int pressOk() { return ok() ? platform::dialogOk : 0; }
    int cancel() { return platform::dialogCancel; }

    // After OK.
    long golferRow() const { return golferRow_; }
    const std::string& golferKey() const { return golferKey_; }
    const std::string& fromKey() const { return fromKey_; }
    const std::string& toKey() const { return toKey_; }

private:
    static std::size_t index(GraphBox box) { return static_cast<std::size_t>(box); }
    void updateEnabling();

    golfdb::CKipGolfDoc* doc_;
    platform::Prompter& prompter_;
    golfdb::ItemList golfers_;
    int selected_ = -1;
    platform::Date from_;
    platform::Date to_;
    std::array<bool, boxCount> checked_{};
    std::array<bool, boxCount> enabled_{true, true, true, true, true};
    long golferRow_ = -1;
    std::string golferKey_;
    std::string fromKey_, toKey_;
};

} // namespace kip::stats
