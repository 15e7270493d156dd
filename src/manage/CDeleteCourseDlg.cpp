#include "manage/CDeleteCourseDlg.h"

#include "golfdb/ChangeUnit.h"
#include "manage/ListOrder.h"
#include "store/TableStore.h"

namespace kip::manage {

CDeleteCourseDlg::CDeleteCourseDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter)
    : doc_(doc), prompter_(prompter), lines_(doc.courseList(true)) {}

void CDeleteCourseDlg::setSelected(std::vector<int> lines) {
    selected_ = chosenLines(std::move(lines), lines_.size());
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
    std::vector<long> records;
    for (const int i : selected_)
        records.push_back(lines_[static_cast<std::size_t>(i)].record);
    golfdb::ChangeUnit unit({&courses});
    unit.keepRows(courses, records);
    for (const long record : records) {
        if (courses.goTo(record) != store::storeOk)
            continue;
        if (courses.remove() == store::storeOk)
            ++deleted_;
    }
    unit.commit();
    resultText_ = "Selected course(s)/tee(s) deleted";
    return platform::dialogOk;
}

} // namespace kip::manage
