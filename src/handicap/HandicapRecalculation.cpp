#include "handicap/HandicapRecalculation.h"

#include "handicap/HandicapIndex.h"
#include "platform/WaitCursor.h"
#include "store/TableStore.h"

namespace kip::handicap {
namespace {

void noteFailure(RecalculationResult& result, int rc) {
    ++result.failedWrites;
    result.lastFailure = rc;
}

} // namespace

RecalculationResult recalculateAllHandicaps(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores,
                                            platform::WaitCursor* waitCursor) {
    platform::WaitCursorScope wait(waitCursor);
    RecalculationResult result;
    int rc = golfers.goTop();
    for (; rc == store::storeOk; rc = golfers.skip()) {
        ++result.golfers;
        const HandicapResult handicap = computeHandicapIndex(scores, golfers.record().name);
        golfers.record().handicapIndex = handicap.index;
        golfers.record().handicapRounds = handicap.counted;
        if (const int written = golfers.change(); written != store::storeOk)
            noteFailure(result, written);
    }
    // A read error ends the walk early: the golfers after it were not recalculated.
    if (rc < 0)
        result.readFailure = result.lastFailure = rc;
    if (const int synced = golfers.sync(); synced != store::storeOk)
        result.syncFailure = result.lastFailure = synced;
    return result;
}

RecalculationResult recalculateAllHandicaps(golfdb::CKipGolfDoc& doc) {
    return recalculateAllHandicaps(doc.golferTable(), doc.scoreTable(), doc.waitCursor());
}

} // namespace kip::handicap
