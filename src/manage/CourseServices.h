#pragma once
// What the course commands and the course selections work with.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"

namespace kip::manage {

struct CourseServices {
    golfdb::CKipGolfDoc& doc;
    platform::DialogHost& dialogs;
    platform::Prompter& prompter;
    platform::SettingsStore& settings;
    bool allowMeters = false; // the AllowMeters preference when the command starts
};

// What a model's button returns when the dialog stays open.
inline constexpr int dialogStayOpen = 0;

inline constexpr const char* selectionErrorCaption = "Selection Error";
inline constexpr const char* documentErrorCaption = "Document Error";
inline constexpr const char* selectCourseDocumentError =
    "Select Course internal document error, contact support";
inline constexpr const char* selectTeesDocumentError = "Select Tees internal document error, contact support";

} // namespace kip::manage
