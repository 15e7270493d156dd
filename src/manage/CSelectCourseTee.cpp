#include "manage/CSelectCourseTee.h"

#include "manage/CourseServices.h"

namespace kip::manage {

CSelectCourseTee::CSelectCourseTee(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter)
    : prompter_(prompter), lines_(doc.courseList(true)) {}

void CSelectCourseTee::select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(lines_.size()) ? index : -1;
}

int CSelectCourseTee::ok() {
    if (selected_ < 0) {
        prompter_.show({"You must select a course!", selectionErrorCaption, platform::Icon::Error});
        return dialogStayOpen;
    }
    record_ = lines_[static_cast<std::size_t>(selected_)].record;
    return platform::dialogOk;
}

int CSelectCourseTee::doubleClick(int index) {
    select(index);
    return ok();
}

} // namespace kip::manage
