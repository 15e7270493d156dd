#pragma once
// One golfer row in memory.

#include <cstdint>
#include <string>

namespace kip::golfdb {

inline constexpr int golferNameWidth = 40;

struct GolferRecord {
    std::string name; // "Last, First", at most 40 characters
    std::string street;
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    double handicapIndex = 0.0;
    std::int32_t handicapRounds = 0;
    std::string extra;     // "%4d" of team, or empty
    std::int32_t team = 0; // 0: no team

    void clear() { *this = GolferRecord{}; }
};

struct NameParts {
    std::string last;
    std::string first;
};

// "%s, %s" of last (trailing white space removed) and first, cut to 40 characters.
std::string joinGolferName(const std::string& last, const std::string& first);
// Split at the first comma; leading blanks of the first name skipped; no comma: all last name.
NameParts splitGolferName(const std::string& name);
// Messages name a golfer as "First Last" (just the name when there is no first name).
std::string displayGolferName(const std::string& name);

} // namespace kip::golfdb
