#pragma once
// The values of the Course Information dialog and how they pass to and from a course row.

#include "golfdb/CourseRecord.h"

#include <string>

namespace kip::manage {

struct CourseForm {
    std::string name, city, state, zip, phone, tee;
    double rating = 0.0;
    int slope = 0;
    golfdb::HoleInts par{};     // slot 0 belongs to no hole and stays 0
    golfdb::HoleInts yardage{}; // as typed: yards or metres, never converted
    bool meters = false;
    golfdb::HoleBytes strokeIndex{}; // 1 to 18 on holes 1 to 18, each once, or all 0

    std::string key() const;
};

// Holes 1 to 9, 10 to 18, and both.
int frontNine(const golfdb::HoleInts& holes);
int backNine(const golfdb::HoleInts& holes);
int total(const golfdb::HoleInts& holes);

CourseForm formFromRecord(const golfdb::CourseRecord& record);
// The meters flag sets or clears its own bit; the other flag bits stay as they were.
void recordFromForm(const CourseForm& form, golfdb::CourseRecord& record);

} // namespace kip::manage
