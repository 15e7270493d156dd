#pragma once
// The counted rounds of one handicap calculation, ascending by differential: entry i of the three
// sequences describes the same round.

#include <string>
#include <vector>

namespace kip::handicap {

struct HandicapListing {
    std::vector<std::string> lines;       // "  YYYY/MM/DD GGG (DD.D)", " *" appended when used
    std::vector<std::string> courseNames; // the round's course name
    std::vector<long> recordNumbers;      // the round's record number in the score table

    bool empty() const { return lines.empty(); }
    std::size_t size() const { return lines.size(); }
    void clear();
};

} // namespace kip::handicap
