#pragma once
// The fixed layout of the golf tables: fields in file order and the single tag of each table.

#include "store/TableStore.h"

#include <string_view>
#include <vector>

namespace kip::golfdb {

inline constexpr const char* courseTagName = "COURSETAG";
inline constexpr const char* peopleTagName = "PEOPLETAG";
inline constexpr const char* scoresTagName = "SCORESTAG";

std::vector<store::FieldSpec> courseFields(); // Courses and KipCourses: 12 fields, 251-byte records
std::vector<store::FieldSpec> golferFields(); // Golfers: 9 fields, 177-byte records
std::vector<store::FieldSpec> scoreFields();  // Scores: 15 fields, 293-byte records

store::TagSpec courseTag();
store::TagSpec peopleTag();
store::TagSpec scoresTag();

// The tag of a golf table chosen by its base name (Courses, KipCourses, Golfers, Scores; compared
// case-insensitively); false for any other table.
bool golfTagFor(std::string_view tableBaseName, store::TagSpec& tag);

} // namespace kip::golfdb
