#pragma once
// The handicap scores listing: every counted round of one golfer or of every golfer, newest first,
// with the ones used in the index marked. The index shown is recalculated with the active rule and
// never stored.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/ListingServices.h"
#include "report/CListDlg.h"

#include <string>
#include <vector>

namespace kip::handicap {

inline constexpr const char* oneGolferScoresTitle = "Show Handicap and Scores";
inline constexpr const char* allGolfersScoresTitle = "Show All Handicaps and Scores";
inline constexpr const char* scoresLegend = "* Used in calculating handicap";

// Fills the listing dialog: with a golfer key that golfer's block; with none every golfer's block in
// golfer key order, each followed by an empty line. Lines are bound to their round's record number
// (a double click opens it in View mode) or to report::noRecord. Sets the three print buttons.
void fillHandicapScores(report::CListDlg& dialog, golfdb::CKipGolfDoc& doc, const ListingServices& services,
                        const std::string& title, const std::string& golferKey = {});

// The "Print Summary" text of a listing: golfer headings and blank lines as they are, and per golfer
// the gross scores (with the used mark) joined by ", ", a line ending once it passes 55 characters.
std::vector<std::string> summaryLines(const golfdb::ItemList& lines);

// "%s as of %02d/%02d/%04d" of a text and a date.
std::string asOfDate(const std::string& text, const platform::Date& date);

} // namespace kip::handicap
