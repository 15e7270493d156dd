#include "stats/CGraphSelectDlg.h"

#include "rounds/RoundEntry.h"
#include "stats/StatsText.h"

namespace kip::stats {
namespace {

std::string dateKey(const platform::Date& d) {
    return formatText("%04d%02d%02d", d.year, d.month, d.day);
}

} // namespace

CGraphSelectDlg::CGraphSelectDlg(golfdb::CKipGolfDoc* doc, platform::Prompter& prompter, platform::Date today)
    : doc_(doc), prompter_(prompter), from_{today.year, 1, 1}, to_(today) {}

const char* CGraphSelectDlg::explanation() {
    return "You can graph the following stats in several combinations, only limited by the number of scales "
           "available for the graph. You can pick any combination from column A. If you do not pick both "
           "items "
           "from column A, you can pick any combination from column B.";
}

const char* CGraphSelectDlg::label(GraphBox box) {
    switch (box) {
    case GraphBox::Scores:
        return "Scores";
    case GraphBox::Putts:
        return "Putts";
    case GraphBox::Fairways:
        return "Fairways";
    case GraphBox::Greens:
        return "Greens";
    case GraphBox::ParsOrLess:
        return "Pars or Less";
    }
    return "";
}

int CGraphSelectDlg::open() {
    if (!doc_ || !doc_->isOpen()) {
        prompter_.show({"Select Golfer internal document error, contact support", "Document Error",
                        platform::Icon::Error, platform::Buttons::Ok});
        return platform::dialogCancel;
    }
    golfers_ = doc_->golferList();
    selected_ = golfers_.empty() ? -1 : 0;
    return 0;
}

void CGraphSelectDlg::selectGolfer(int index) {
    if (index >= -1 && index < static_cast<int>(golfers_.size()))
        selected_ = index;
}

bool CGraphSelectDlg::click(GraphBox box, bool on) {
    if (!enabled(box))
        return false;
    checked_[index(box)] = on;
    updateEnabling();
    return true;
}

void CGraphSelectDlg::updateEnabling() {
    const bool scores = checked(GraphBox::Scores);
    const bool putts = checked(GraphBox::Putts);
    const bool columnB =
        checked(GraphBox::Fairways) || checked(GraphBox::Greens) || checked(GraphBox::ParsOrLess);
    enabled_.fill(true);
    if (columnB) {
        enabled_[index(GraphBox::Putts)] = !scores;
        enabled_[index(GraphBox::Scores)] = !putts;
    } else if (scores && putts) {
        enabled_[index(GraphBox::Fairways)] = false;
        enabled_[index(GraphBox::Greens)] = false;
        enabled_[index(GraphBox::ParsOrLess)] = false;
    }
}

bool CGraphSelectDlg::ok() {
    if (selected_ >= 0) {
        golferRow_ = golfers_[static_cast<std::size_t>(selected_)].record;
        golferKey_ = golfers_[static_cast<std::size_t>(selected_)].text;
    } else {
        golferRow_ = -1;
        golferKey_.clear();
    }
    fromKey_ = dateKey(from_);
    toKey_ = dateKey(to_);
    const char* refusal = nullptr;
    if (!rounds::isValidDate(from_) || !rounds::isValidDate(to_) || fromKey_ > toKey_)
        refusal = "The from date must be before the to date";
    else if (!checked(GraphBox::Scores) && !checked(GraphBox::Putts) && !checked(GraphBox::Fairways) &&
             !checked(GraphBox::Greens) && !checked(GraphBox::ParsOrLess))
        refusal = "You must select a least 1 statistic to graph";
    if (refusal) {
        prompter_.show({refusal, "Selection Error", platform::Icon::Error, platform::Buttons::Ok});
        return false;
    }
    return true;
}

} // namespace kip::stats
