#pragma once
// Copy From Master: opens the master course table, asks which courses to list, runs the Copy From
// Master dialog and closes the table again.

#include "manage/CourseServices.h"

#include <string>

namespace kip::manage {

inline constexpr const char* masterMissingFromCommand =
    "The Master Course Database appears corrupted, please download a new copy using Check for Master Course "
    "Updates";
inline constexpr const char* masterMissingFromSelection =
    "The Master Course Database appears corrupted, please download a new copy";
inline constexpr const char* masterDateSection = "Courses";
inline constexpr const char* masterDateSetting = "Date";

// openingMessage: what a master table that cannot be opened shows. Returns true when Select State was
// confirmed (the Copy From Master dialog was shown).
bool copyFromMaster(CourseServices& services, const std::string& openingMessage);

} // namespace kip::manage
