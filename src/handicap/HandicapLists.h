#pragma once
// Show All Handicaps and Show Course Handicaps: one line per golfer with the stored index, or with
// the course handicap on one course and tee, in golfer key order or sorted by the line text.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/ListingServices.h"
#include "report/CListDlg.h"

#include <optional>

namespace kip::handicap {

enum class HandicapOrder { ByGolfer, ByHandicap };

// Fills the listing dialog; course: a loaded course row for its course handicaps, nothing for the
// golfers' indexes. "Print" prints the golfer handicap listing with the title as its heading.
void fillHandicapList(report::CListDlg& dialog, golfdb::CKipGolfDoc& doc, const ListingServices& services,
                      HandicapOrder order, const std::optional<golfdb::CourseRecord>& course = std::nullopt);

} // namespace kip::handicap
