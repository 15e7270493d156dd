#pragma once
// The handicap rules: how many of a golfer's 20 newest differentials make the index.

namespace kip::handicap {

enum HandicapRule : int {
    RuleUsga = 0,       // the USGA number-of-rounds table, lowest one for the first rounds
    RuleLowestHalf = 1, // the lowest half, rounded up
    RuleAllRecent = 2,  // every counted round
    RuleWorld = 3,      // the World Handicap System
};

// Where the rule is kept in the per-user settings.
inline constexpr const char* handicapSection = "Handicap";
inline constexpr const char* ruleSetting = "Rule";

} // namespace kip::handicap
