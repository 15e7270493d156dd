#pragma once
// "Select a Tee": the tees of one course, in alphabetical order; shown even for a single tee.

#include "golfdb/CKipGolfDoc.h"
#include "manage/RowChoice.h"
#include "platform/Prompter.h"

namespace kip::manage {

class CSelectTeeDlg : public RowChoice {
public:
    // firstRecord: the course group's first row; an unreachable row leaves the list empty.
    CSelectTeeDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter, long firstRecord);

    static const char* title() { return "Select a Tee"; }
    static const char* text() { return "Select a Tee"; }
};

} // namespace kip::manage
