#pragma once
// One golfer's block of the handicap scores listing.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapListing.h"

#include <string>

namespace kip::handicap {

// Bound to lines that open no round (golfer headings, blank separators).
inline constexpr long noRoundRecord = -1;

// Appends "%s %s has a handicap of %4.1f" (bound to noRoundRecord), then the listing's rounds newest
// first, each followed by "at" and its course name and bound to its record number. Rounds of one
// date keep the listing's order (lowest differential first). Consumes the listing. The index is shown
// in the form of the rule (a plus index as "+1.2" under the World Handicap System).
void buildScoreLines(HandicapListing listing, const std::string& firstName, const std::string& lastName,
                     double index, golfdb::ItemList& lines, int rule = 0);

} // namespace kip::handicap
