#pragma once
// "Select Course" listing every course/tee row: the selection of Change, View and Course Statistics.

#include "golfdb/CKipGolfDoc.h"
#include "manage/RowChoice.h"
#include "platform/Prompter.h"

namespace kip::manage {

class CSelectCourseTee : public RowChoice {
public:
    CSelectCourseTee(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter);

    static const char* title() { return "Select Course"; }
    static const char* text() { return "Select Course and Tee :"; }
    static constexpr int tabStop = 150; // dialog units
};

} // namespace kip::manage
