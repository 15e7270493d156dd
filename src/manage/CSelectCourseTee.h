#pragma once
// "Select Course" listing every course/tee row: the selection of Change, View and Course Statistics.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

namespace kip::manage {

class CSelectCourseTee : public platform::DialogModel {
public:
    CSelectCourseTee(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter);

    static const char* title() { return "Select Course"; }
    static const char* text() { return "Select Course and Tee :"; }
    static constexpr int tabStop = 150; // dialog units
    const golfdb::ItemList& lines() const { return lines_; }

    void select(int index);
    int selected() const { return selected_; }
    // dialogOk with a line selected; otherwise a message and dialogStayOpen (0).
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
