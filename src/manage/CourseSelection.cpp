#include "manage/CourseSelection.h"

#include "manage/CSelectCourseDlg.h"
#include "manage/CSelectCourseTee.h"
#include "manage/CSelectTeeDlg.h"
#include "store/TableStore.h"

namespace kip::manage {
namespace {

bool documentOpen(CourseServices& services, const char* error) {
    if (services.doc.isOpen())
        return true;
    services.prompter.show({error, documentErrorCaption, platform::Icon::Error});
    return false;
}

} // namespace

std::optional<long> selectCourseAndTee(CourseServices& services) {
    if (!documentOpen(services, selectCourseDocumentError))
        return std::nullopt;
    CSelectCourseDlg course(services);
    if (services.dialogs.run(course) != platform::dialogOk)
        return std::nullopt;
    if (course.teeChosen())
        return course.record();
    if (!documentOpen(services, selectTeesDocumentError))
        return std::nullopt;
    CSelectTeeDlg tee(services.doc, services.prompter, course.record());
    if (services.dialogs.run(tee) != platform::dialogOk)
        return std::nullopt;
    return tee.record();
}

std::optional<long> selectCourseRow(CourseServices& services) {
    if (!documentOpen(services, selectCourseDocumentError))
        return std::nullopt;
    CSelectCourseTee dialog(services.doc, services.prompter);
    if (services.dialogs.run(dialog) != platform::dialogOk)
        return std::nullopt;
    return dialog.record();
}

std::optional<StateChoice> selectState(platform::DialogHost& dialogs) {
    CSelectState dialog;
    if (dialogs.run(dialog) != platform::dialogOk)
        return std::nullopt;
    return dialog.choice();
}

bool readChosenCourse(CourseServices& services, long record) {
    if (services.doc.courseTable().goTo(record) == store::storeOk)
        return true;
    services.prompter.show(
        {"Error reading course information from database!", "Database Error", platform::Icon::Error});
    return false;
}

} // namespace kip::manage
