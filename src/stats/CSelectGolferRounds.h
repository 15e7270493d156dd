#pragma once
// "Select One or More Golfers": the golfers a round listing covers and how many of each golfer's
// rounds it lists.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <set>
#include <string>
#include <vector>

namespace kip::stats {

class CSelectGolferRounds : public platform::DialogModel {
public:
    static constexpr std::size_t roundsTextLimit = 3;

    CSelectGolferRounds(golfdb::CKipGolfDoc* doc, platform::Prompter& prompter);

    // Called before the dialog is shown. Fills the list; returns dialogCancel after the document
    // error when there is no document, dialogOk when the table holds exactly one golfer (chosen,
    // all golfers, no rounds limit: the dialog is never seen), otherwise 0.
    int open();

    static const char* title() { return "Select One or More Golfers"; }

    const golfdb::ItemList& golfers() const { return golfers_; }
    bool allGolfers() const { return allGolfers_; }
    void setAllGolfers(bool on) { allGolfers_ = on; }
    bool listEnabled() const { return !allGolfers_; }
    bool selected(int index) const { return selected_.count(index) != 0; }
    void setSelected(int index, bool on);

    const std::string& roundsText() const { return roundsText_; }
    void setRoundsText(const std::string& text) { roundsText_ = text.substr(0, roundsTextLimit); }

    // The checks of OK in order; false keeps the dialog open after a message.
    bool ok();
    int pressOk() { return ok() ? platform::dialogOk : 0; }
    int cancel() { return platform::dialogCancel; }

    // After OK: the chosen golfers' record numbers in list order, and 0 or the rounds per golfer.
    const std::vector<long>& golferRows() const { return golferRows_; }
    int roundsLimit() const { return roundsLimit_; }

private:
    golfdb::CKipGolfDoc* doc_;
    platform::Prompter& prompter_;
    golfdb::ItemList golfers_;
    std::set<int> selected_;
    bool allGolfers_ = false;
    std::string roundsText_ = "all";
    int roundsLimit_ = 0;
    std::vector<long> golferRows_;
};

// Opens the dialog (which may close at once) and shows it when it stays open; returns how it ended.
int runGolferRounds(platform::DialogHost& host, CSelectGolferRounds& dialog);

} // namespace kip::stats
