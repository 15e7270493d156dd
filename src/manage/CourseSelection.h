#pragma once
// The ways a command picks a course row. Each runs its dialogs through the services' dialog host and
// returns the record number of the chosen row in Courses, or nothing when the user cancelled (or the
// database is not open, after its message). The caller positions on it with goTo.

#include "manage/CSelectState.h"
#include "manage/CourseServices.h"

#include <optional>

namespace kip::manage {

// "Select Course" with the recent courses, then "Select a Tee" unless a recent line (a row) was picked:
// Enter a Round and Show Course Handicaps. The recent courses list is not changed here: Enter a Round
// promotes the row once it has read it (promoteRecent).
std::optional<long> selectCourseAndTee(CourseServices& services);
// "Select Course" listing every course/tee row: Change, View, Course Statistics.
std::optional<long> selectCourseRow(CourseServices& services);
// "Select State" for the master course list.
std::optional<StateChoice> selectState(platform::DialogHost& dialogs);

// Positions the course table on the chosen row and reads it; on failure shows "Error reading course
// information from database!" and returns false.
bool readChosenCourse(CourseServices& services, long record);

} // namespace kip::manage
