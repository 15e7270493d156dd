#pragma once
// The course commands of the main window: Add a Course, Change Course Information, View Course
// Information and Delete Course(s), and Copy Course(s) From Master.

#include "manage/CourseServices.h"

namespace kip::manage {

inline constexpr const char* courseInfoCaption = "Course Information";

// What a command did, for callers that report it (the command-line companion).
struct CourseCommandResult {
    int rowsWritten = 0; // added or changed
    int lastError = 0;   // the last store result that was neither success nor a duplicate key
    bool duplicate = false;
};

CourseCommandResult addCourse(CourseServices& services);
CourseCommandResult changeCourse(CourseServices& services);
void viewCourse(CourseServices& services);
// Returns the number of rows deleted.
int deleteCourses(CourseServices& services);
void copyCoursesFromMaster(CourseServices& services);

} // namespace kip::manage
