#pragma once
// "Select a Tee": the tees of one course, in alphabetical order; shown even for a single tee.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

namespace kip::manage {

class CSelectTeeDlg : public platform::DialogModel {
public:
    // firstRecord: the course group's first row; an unreachable row leaves the list empty.
    CSelectTeeDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter, long firstRecord);

    static const char* title() { return "Select a Tee"; }
    static const char* text() { return "Select a Tee"; }
    const golfdb::ItemList& lines() const { return lines_; }

    void select(int index);
    int selected() const { return selected_; }
    int ok();
    int doubleClick(int index);
    int cancel() { return platform::dialogCancel; }
    long record() const { return record_; }

private:
    platform::Prompter& prompter_;
    golfdb::ItemList lines_;
    int selected_ = -1;
    long record_ = 0;
};

} // namespace kip::manage
