#include "golfdb/GolfSchema.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kip::golfdb {
namespace {

const char* const notDeleted = ".NOT. DELETED()";

std::vector<store::FieldSpec> coursePart() {
    return {
        {"NAME", 'C', 40, 0}, {"TEE", 'C', 15, 0},     {"SLOPE", 'N', 4, 0}, {"RATING", 'F', 4, 1},
        {"PAR", 'C', 19, 0},  {"YARDAGE", 'C', 57, 0}, {"FLAGS", 'C', 1, 0}, {"EXTRA", 'C', 40, 0},
    };
}

} // namespace

std::vector<store::FieldSpec> courseFields() {
    auto fields = coursePart();
    fields.insert(fields.end(),
                  {{"CITY", 'C', 20, 0}, {"STATE", 'C', 20, 0}, {"ZIP", 'C', 15, 0}, {"PHONE", 'C', 15, 0}});
    return fields;
}

std::vector<store::FieldSpec> golferFields() {
    return {
        {"NAME", 'C', 40, 0},    {"STREET", 'C', 20, 0},  {"CITY", 'C', 20, 0},
        {"STATE", 'C', 20, 0},   {"ZIP", 'C', 15, 0},     {"PHONE", 'C', 15, 0},
        {"HANDICAP", 'F', 4, 1}, {"HCROUNDS", 'N', 2, 0}, {"EXTRA", 'C', 40, 0},
    };
}

std::vector<store::FieldSpec> scoreFields() {
    auto fields = coursePart();
    fields.insert(fields.end(), {{"GOLFER", 'C', 40, 0},
                                 {"DATE", 'C', 8, 0},
                                 {"HCINDEX", 'F', 4, 1},
                                 {"TOTSTROKES", 'N', 3, 0},
                                 {"PUTTS", 'C', 19, 0},
                                 {"SCORES", 'C', 19, 0},
                                 {"HOLEFLAGS", 'C', 19, 0}});
    return fields;
}

store::TagSpec courseTag() {
    return {courseTagName, "NAME+CITY+STATE+TEE", notDeleted, store::uniqueRefuse, store::orderAscending};
}

store::TagSpec peopleTag() {
    return {peopleTagName, "NAME", notDeleted, store::uniqueRefuse, store::orderAscending};
}

store::TagSpec scoresTag() {
    return {scoresTagName, "GOLFER+DATE", notDeleted, store::uniqueNone, store::orderDescending};
}

bool golfTagFor(std::string_view tableBaseName, store::TagSpec& tag) {
    std::string name(tableBaseName);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name == "courses" || name == "kipcourses")
        tag = courseTag();
    else if (name == "golfers")
        tag = peopleTag();
    else if (name == "scores")
        tag = scoresTag();
    else
        return false;
    return true;
}

} // namespace kip::golfdb
