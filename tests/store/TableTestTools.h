#pragma once
// Small tables for the store tests: a course-like table with a unique ascending tag and a
// score-like table with a descending tag, both filtered to live records.

#include "store/TableStore.h"

#include <string>
#include <vector>

namespace kip::test {

inline std::vector<store::FieldSpec> smallCourseFields() {
    return {{"NAME", 'C', 10, 0}, {"TEE", 'C', 5, 0}, {"SLOPE", 'N', 4, 0}, {"RATING", 'F', 4, 1}};
}

inline store::TagSpec smallCourseTag() {
    return {"coursetag", "NAME+TEE", ".NOT. DELETED()", store::uniqueRefuse, store::orderAscending};
}

inline std::vector<store::FieldSpec> smallScoreFields() {
    return {{"GOLFER", 'C', 12, 0}, {"DATE", 'C', 8, 0}, {"TOTAL", 'N', 3, 0}};
}

inline store::TagSpec smallScoreTag() {
    return {"SCORESTAG", "GOLFER+DATE", ".NOT. DELETED()", store::uniqueNone, store::orderDescending};
}

// The three write sequences the golf tables use.
inline int appendRow(store::Table* t, const std::vector<std::pair<const char*, std::string>>& values) {
    if (const int rc = store::appendStart(t); rc != store::storeOk)
        return rc;
    store::blankRecord(t);
    for (const auto& [name, value] : values)
        store::assignText(store::fieldByName(t, name), value);
    const int rc = store::appendRecord(t);
    if (rc != store::storeOk)
        return rc;
    return store::flushTable(t);
}

// Record numbers in the selected tag's order, from the top.
inline std::vector<long> walk(store::Table* t) {
    std::vector<long> records;
    for (int rc = store::goTop(t); rc == store::storeOk; rc = store::skipRecords(t, 1))
        records.push_back(store::recordNumber(t));
    return records;
}

} // namespace kip::test
