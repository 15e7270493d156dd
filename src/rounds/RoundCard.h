#pragma once
// The card "Print" prints for a stored round, as its View dialog shows it.

#include "golfdb/ScoreRecord.h"
#include "report/ReportPrint.h"

#include <vector>

namespace kip::rounds {

// Hole by hole, or the three lines of a total-only round.
std::vector<report::PrintLine> printedCard(const golfdb::ScoreRecord& round);
report::PrintVariant cardVariant(const golfdb::ScoreRecord& round);

} // namespace kip::rounds
