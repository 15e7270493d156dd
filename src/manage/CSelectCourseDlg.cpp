#include "manage/CSelectCourseDlg.h"

#include "manage/ListOrder.h"
#include "manage/MasterCopy.h"

namespace kip::manage {
namespace {

int checkedIndex(int index, const golfdb::ItemList& lines) {
    return index >= 0 && index < static_cast<int>(lines.size()) ? index : -1;
}

} // namespace

CSelectCourseDlg::CSelectCourseDlg(CourseServices& services)
    : services_(services), recent_(services.doc.recentCourseList()), groups_(services.doc.courseList(false)) {
}

void CSelectCourseDlg::selectRecent(int index) {
    recentSelected_ = checkedIndex(index, recent_);
    if (recentSelected_ >= 0)
        groupSelected_ = -1;
}

void CSelectCourseDlg::selectGroup(int index) {
    groupSelected_ = checkedIndex(index, groups_);
    if (groupSelected_ >= 0)
        recentSelected_ = -1;
}

bool CSelectCourseDlg::findFrom(std::size_t start) {
    const std::size_t n = groups_.size();
    for (std::size_t step = 0; step < n; ++step) {
        const std::size_t i = (start + step) % n;
        if (startsWithFolded(groups_[i].text, findText_)) {
            selectGroup(static_cast<int>(i));
            return true;
        }
    }
    services_.prompter.show({"Course not found", "Find Course", platform::Icon::Error});
    return false;
}

bool CSelectCourseDlg::find() {
    return findFrom(0);
}

bool CSelectCourseDlg::findNext() {
    const bool fromTop = groupSelected_ < 0 || groupSelected_ + 1 >= static_cast<int>(groups_.size());
    return findFrom(fromTop ? 0 : static_cast<std::size_t>(groupSelected_) + 1);
}

void CSelectCourseDlg::addFromMaster() {
    if (copyFromMaster(services_, masterMissingFromSelection)) {
        groups_ = services_.doc.courseList(false);
        groupSelected_ = -1;
    }
}

int CSelectCourseDlg::ok() {
    if (recentSelected_ >= 0) {
        record_ = recent_[static_cast<std::size_t>(recentSelected_)].record;
        teeChosen_ = true;
        return platform::dialogOk;
    }
    if (groupSelected_ >= 0) {
        record_ = groups_[static_cast<std::size_t>(groupSelected_)].record;
        teeChosen_ = false;
        return platform::dialogOk;
    }
    services_.prompter.show({"You must select a course!", selectionErrorCaption, platform::Icon::Error});
    return dialogStayOpen;
}

int CSelectCourseDlg::doubleClickRecent(int index) {
    selectRecent(index);
    return ok();
}

int CSelectCourseDlg::doubleClickGroup(int index) {
    selectGroup(index);
    return ok();
}

} // namespace kip::manage
