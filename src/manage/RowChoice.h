#pragma once
// The model of a list dialog where one row is chosen: a row is selected, OK takes it (and refuses
// with a message while none is), and a double click on a row selects it and presses OK.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

namespace kip::manage {

class RowChoice : public platform::DialogModel {
public:
    const golfdb::ItemList& lines() const { return lines_; }

    void select(int index);
    int selected() const { return selected_; }
    // dialogOk with a line selected; otherwise a message and dialogStayOpen (0).
    int ok();
    int doubleClick(int index);
    int cancel() { return platform::dialogCancel; }
    // After OK: the record of the chosen line.
    long record() const { return record_; }

protected:
    // noChoiceText: what OK says without a line selected.
    RowChoice(platform::Prompter& prompter, golfdb::ItemList lines, const char* noChoiceText);

private:
    platform::Prompter& prompter_;
    golfdb::ItemList lines_;
    const char* noChoiceText_;
    int selected_ = -1;
    long record_ = 0;
};

} // namespace kip::manage
