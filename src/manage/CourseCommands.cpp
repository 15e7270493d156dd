#include "manage/CourseCommands.h"

#include "manage/CCourseDlg.h"
#include "manage/CDeleteCourseDlg.h"
#include "manage/CMessageDlg.h"
#include "manage/CourseSelection.h"
#include "manage/MasterCopy.h"
#include "store/TableStore.h"

namespace kip::manage {
namespace {

void inform(CourseServices& services, const std::string& text) {
    services.prompter.show({text, courseInfoCaption, platform::Icon::Information});
}

// The row just written as the start of its next tee: the tee, slope and rating cleared.
CourseForm nextTeeForm(CourseServices& services) {
    CourseForm form = formFromRecord(services.doc.courseTable().record());
    form.tee.clear();
    form.slope = 0;
    form.rating = 0.0;
    return form;
}

int writeRow(golfdb::CourseTable& courses, const CourseForm& form, bool add) {
    recordFromForm(form, courses.record());
    const int rc = add ? courses.add() : courses.change();
    return rc == store::storeOk ? courses.sync() : rc;
}

} // namespace

CourseCommandResult addCourse(CourseServices& services) {
    CourseCommandResult result;
    golfdb::CourseTable& courses = services.doc.courseTable();
    CCourseDlg dialog(services.prompter, CourseMode::Add, services.allowMeters);
    bool newTee = false;
    for (;;) {
        dialog.open();
        const int button = services.dialogs.run(dialog);
        if (button != platform::dialogOk && button != dialogSaveAndNewTee)
            return result;
        if (button == dialogSaveAndNewTee)
            newTee = true;
        const CourseForm form = dialog.form();
        // A new row starts blank: no flag of an earlier row is carried into it.
        courses.record().clearCourse();
        const int rc = writeRow(courses, form, true);
        if (rc == store::storeDuplicateKey) {
            result.duplicate = true;
            inform(services, "Course " + form.name + " (" + form.tee + ") is already in the database");
            dialog.load(form);
            continue;
        }
        if (rc != store::storeOk) {
            result.lastError = rc;
            inform(services, "Could not add course, rc = " + std::to_string(rc));
            if (button == platform::dialogOk)
                return result;
            dialog.load(form);
            continue;
        }
        ++result.rowsWritten;
        if (button == platform::dialogOk) {
            if (newTee) {
                inform(services, form.name + " has been added");
            } else {
                CMessageDlg complete("Course Addition Complete",
                                     form.name + " (" + form.tee + ") has been added");
                services.dialogs.run(complete);
            }
            return result;
        }
        dialog.load(nextTeeForm(services));
    }
}

CourseCommandResult changeCourse(CourseServices& services) {
    CourseCommandResult result;
    const auto record = selectCourseRow(services);
    if (!record || !readChosenCourse(services, *record))
        return result;
    golfdb::CourseTable& courses = services.doc.courseTable();
    CCourseDlg dialog(services.prompter, CourseMode::Change, services.allowMeters);
    dialog.load(formFromRecord(courses.record()));
    long row = *record;
    for (;;) {
        dialog.open();
        const int button = services.dialogs.run(dialog);
        if (button != platform::dialogOk && button != dialogSaveAndNewTee)
            return result;
        const bool add = dialog.mode() == CourseMode::Add;
        const CourseForm form = dialog.form();
        int rc = store::storeOk;
        if (add) {
            courses.record().clearCourse();
            rc = writeRow(courses, form, true);
        } else {
            // The row may have been left by the selection or an earlier add: rewrite the one loaded.
            rc = courses.goTo(row);
            if (rc == store::storeOk)
                rc = writeRow(courses, form, false);
        }
        if (rc == store::storeOk) {
            ++result.rowsWritten;
            row = courses.recordNumber();
            inform(services, form.name + " (" + form.tee + ") has been " + (add ? "added" : "changed"));
        } else {
            if (rc == store::storeDuplicateKey)
                result.duplicate = true;
            else
                result.lastError = rc;
            inform(services, std::string("Could not ") + (add ? "add" : "change") +
                                 " course, rc = " + std::to_string(rc));
        }
        if (button == platform::dialogOk)
            return result;
        if (rc != store::storeOk) {
            dialog.load(form);
            continue;
        }
        CourseForm next = nextTeeForm(services);
        next.yardage.fill(0);
        dialog.load(next);
    }
}

void viewCourse(CourseServices& services) {
    const auto record = selectCourseRow(services);
    if (!record || !readChosenCourse(services, *record))
        return;
    CCourseDlg dialog(services.prompter, CourseMode::View, services.allowMeters);
    dialog.load(formFromRecord(services.doc.courseTable().record()));
    dialog.open();
    services.dialogs.run(dialog);
}

int deleteCourses(CourseServices& services) {
    if (!services.doc.isOpen()) {
        services.prompter.show({selectCourseDocumentError, documentErrorCaption, platform::Icon::Error});
        return 0;
    }
    CDeleteCourseDlg dialog(services.doc, services.prompter);
    if (services.dialogs.run(dialog) != platform::dialogOk)
        return 0;
    services.prompter.show({dialog.resultText(), "Delete Courses", platform::Icon::Information});
    return dialog.deleted();
}

void copyCoursesFromMaster(CourseServices& services) {
    copyFromMaster(services, masterMissingFromCommand);
}

} // namespace kip::manage
