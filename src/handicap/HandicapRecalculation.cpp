#include "handicap/HandicapRecalculation.h"

#include "handicap/HandicapIndex.h"
#include "platform/WaitCursor.h"
#include "store/TableStore.h"

#include <vector>

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
    // The golfers are listed first and then visited by record number: a rewritten row may move in
    // the tag (its key is rebuilt from the trimmed name), and a walk that continued from there could
    // skip golfers or visit one for ever.
    std::vector<long> records;
    int rc = golfers.goTop();
    for (; rc == store::storeOk; rc = golfers.skip())
        records.push_back(golfers.recordNumber());
    // A read error ends the listing early: the golfers after it are not recalculated.
    if (rc < 0)
        result.readFailure = result.lastFailure = rc;
    for (const long record : records) {
        if (const int read = golfers.goTo(record); read != store::storeOk) {
            result.readFailure = result.lastFailure = read < 0 ? read : store::storeErrCorrupt;
            continue;
        }
        ++result.golfers;
        const HandicapResult handicap = computeHandicapIndex(scores, golfers.record().name);
        golfers.record().handicapIndex = handicap.index;
        golfers.record().handicapRounds = handicap.counted;
        if (const int written = golfers.change(); written != store::storeOk)
            noteFailure(result, written);
    }
    if (const int synced = golfers.sync(); synced != store::storeOk)
        result.syncFailure = result.lastFailure = synced;
    return result;
}

RecalculationResult recalculateAllHandicaps(golfdb::CKipGolfDoc& doc) {
    return recalculateAllHandicaps(doc.golferTable(), doc.scoreTable(), doc.waitCursor());
}

} // namespace kip::handicap
