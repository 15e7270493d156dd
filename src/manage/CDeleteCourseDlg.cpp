#include "manage/CDeleteCourseDlg.h"

#include "store/TableStore.h"

#include <algorithm>

namespace kip::manage {

CDeleteCourseDlg::CDeleteCourseDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter)
    : doc_(doc), prompter_(prompter), lines_(doc.courseList(true)) {}

void CDeleteCourseDlg::setSelected(std::vector<int> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [this](int i) { return i < 0 || i >= static_cast<int>(lines_.size()); }),
                lines.end());
    selected_ = std::move(lines);
}

int CDeleteCourseDlg::pressDelete() {
    const std::size_t n = selected_.size();
    resultText_ = "No courses deleted";
    if (n == 0)
        return platform::dialogOk;
    const std::string question =
        n < 2 ? std::string("Are you sure you want to delete the selected course/tee?")
              : "Are you sure you want to delete these " + std::to_string(n) + " courses/tees?";
    if (prompter_.show({question, "Confirm Delete", platform::Icon::Question, platform::Buttons::YesNo}) !=
        platform::Answer::Yes)
        return platform::dialogOk;
    golfdb::CourseTable& courses = doc_.courseTable();
    for (const int i : selected_) {
        if (courses.goTo(lines_[static_cast<std::size_t>(i)].record) != store::storeOk)
            continue;
        if (courses.remove() == store::storeOk)
            ++deleted_;
    }
    courses.sync();
    resultText_ = "Selected course(s)/tee(s) deleted";
    return platform::dialogOk;
}

} // namespace kip::manage
