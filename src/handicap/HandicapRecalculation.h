#pragma once
// Recalculation of every golfer's stored handicap index from the stored differentials.

#include "golfdb/CKipGolfDoc.h"

namespace kip::handicap {

struct RecalculationResult {
    int golfers = 0;      // golfer rows visited
    int failedWrites = 0; // golfer rows that could not be written
    int lastFailure = 0;  // the last failing store result (0: every row written and made durable)
    int readFailure = 0;  // the read error that ended the walk early (the golfers after it were skipped)
    int syncFailure = 0;  // the table could not be made durable

    bool succeeded() const { return failedWrites == 0 && readFailure == 0 && syncFailure == 0; }
};

// For each golfer in key order: the index under the score table's active rule into HANDICAP and the
// rounds counted into HCROUNDS. A row that cannot be written does not stop the others. The golfer
// table is made durable before this returns. Shows the wait cursor throughout.
RecalculationResult recalculateAllHandicaps(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores,
                                            platform::WaitCursor* waitCursor);
// The same over the document's tables, with its wait cursor.
RecalculationResult recalculateAllHandicaps(golfdb::CKipGolfDoc& doc);

} // namespace kip::handicap
