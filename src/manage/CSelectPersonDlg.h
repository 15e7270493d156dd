#pragma once
// Select Golfer: the golfer picker of the golfer, round, handicap and statistics commands.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <optional>

namespace kip::manage {

// The result that stands for "Use All Golfers".
inline constexpr long allGolfers = -1;

struct SelectGolferOptions {
    bool allowAll = false;        // "Use All Golfers" can be ticked
    bool noAutomaticPick = false; // a single golfer is still shown for confirmation
};

class CSelectPersonDlg : public platform::DialogModel {
public:
    static constexpr int staysOpen = 0;

    CSelectPersonDlg(golfdb::ItemList golfers, platform::Prompter& prompter, SelectGolferOptions options);

    static const char* title() { return "Select Golfer"; }
    static const char* text() { return "Select Golfer :"; }
    static const char* useAllLabel() { return "Use All Golfers"; }

    const golfdb::ItemList& lines() const { return lines_; }
    // A single golfer is chosen without the dialog being seen, unless the caller forbids it.
    bool picksAutomatically() const { return lines_.size() == 1 && !options_.noAutomaticPick; }

    bool useAllEnabled() const { return options_.allowAll; }
    bool useAll() const { return useAll_; }
    // Ticking clears the selection; the list is usable only while the box is clear.
    void setUseAll(bool on);
    bool listEnabled() const { return !useAll_; }

    int selectedIndex() const { return selected_; } // -1: none
    void select(int index);
    // Selects the line showing this golfer key; false when there is none.
    bool selectKey(const std::string& key);

    // OK and a double click on a line: dialogOk with a choice, otherwise a message and staysOpen.
    int ok();
    int doubleClick(int index);
    int cancel() { return platform::dialogCancel; }

    // After OK: a golfer's record number, or allGolfers.
    long chosen() const { return chosen_; }

private:
    golfdb::ItemList lines_;
    platform::Prompter& prompter_;
    SelectGolferOptions options_;
    bool useAll_ = false;
    int selected_ = -1;
    long chosen_ = 0;
};

// Runs Select Golfer over the document's golfers: the chosen golfer's record number, allGolfers, or
// nothing when cancelled (or without an open document, after its message).
std::optional<long> selectGolfer(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                                 SelectGolferOptions options = {});

} // namespace kip::manage
