#include "manage/CSelectTeeDlg.h"

#include "manage/CourseServices.h"
#include "manage/ListOrder.h"

namespace kip::manage {

CSelectTeeDlg::CSelectTeeDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter, long firstRecord)
    : prompter_(prompter), lines_(doc.teeList(firstRecord)) {
    sortLines(lines_);
}

void CSelectTeeDlg::select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(lines_.size()) ? index : -1;
}

int CSelectTeeDlg::ok() {
    if (selected_ < 0) {
        prompter_.show({"You must select a tee!", selectionErrorCaption, platform::Icon::Error});
        return dialogStayOpen;
    }
    record_ = lines_[static_cast<std::size_t>(selected_)].record;
    return platform::dialogOk;
}

int CSelectTeeDlg::doubleClick(int index) {
    select(index);
    return ok();
}

} // namespace kip::manage
