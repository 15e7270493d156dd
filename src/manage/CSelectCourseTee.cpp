#include "manage/CSelectCourseTee.h"

namespace kip::manage {

CSelectCourseTee::CSelectCourseTee(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter)
    : RowChoice(prompter, doc.courseList(true), "You must select a course!") {}

} // namespace kip::manage
