#include "stats/CSelectGolferRounds.h"

#include "stats/StatsText.h"

#include <cctype>

namespace kip::stats {
namespace {

bool isAll(const std::string& text) {
    if (text.size() != 3)
        return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != "all"[i])
            return false;
    return true;
}

} // namespace

CSelectGolferRounds::CSelectGolferRounds(golfdb::CKipGolfDoc* doc, platform::Prompter& prompter)
    : doc_(doc), prompter_(prompter) {}

int CSelectGolferRounds::open() {
    if (!doc_) {
        prompter_.show({"Select Golfer internal document error, contact support", "Document Error",
                        platform::Icon::Error, platform::Buttons::Ok});
        return platform::dialogCancel;
    }
    golfers_ = doc_->golferList();
    if (golfers_.size() != 1)
        return 0;
    allGolfers_ = true;
    roundsLimit_ = 0;
    golferRows_ = {golfers_.front().record};
    return platform::dialogOk;
}

void CSelectGolferRounds::setSelected(int index, bool on) {
    if (allGolfers_ || index < 0 || index >= static_cast<int>(golfers_.size()))
        return;
    if (on)
        selected_.insert(index);
    else
        selected_.erase(index);
}

bool CSelectGolferRounds::ok() {
    const std::size_t chosen = allGolfers_ ? golfers_.size() : selected_.size();
    int limit = 0;
    if (!isAll(roundsText_)) {
        limit = leadingInteger(roundsText_);
        if (limit <= 0) {
            prompter_.show({"The rounds limit must be 'all' or a positive number", "Rounds Limit Error",
                            platform::Icon::None, platform::Buttons::Ok});
            return false;
        }
    }
    roundsLimit_ = limit;
    if (chosen == 0) {
        prompter_.show({"You must select at least one golfer!", "Selection Error", platform::Icon::Error,
                        platform::Buttons::Ok});
        return false;
    }
    golferRows_.clear();
    for (std::size_t i = 0; i < golfers_.size(); ++i)
        if (allGolfers_ || selected_.count(static_cast<int>(i)))
            golferRows_.push_back(golfers_[i].record);
    return true;
}

int runGolferRounds(platform::DialogHost& host, CSelectGolferRounds& dialog) {
    const int opened = dialog.open();
    return opened != 0 ? opened : host.run(dialog);
}

} // namespace kip::stats
