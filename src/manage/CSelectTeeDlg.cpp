#include "manage/CSelectTeeDlg.h"

#include "manage/ListOrder.h"

namespace kip::manage {
namespace {

golfdb::ItemList sortedTees(golfdb::CKipGolfDoc& doc, long firstRecord) {
    golfdb::ItemList tees = doc.teeList(firstRecord);
    sortLines(tees);
    return tees;
}

} // namespace

CSelectTeeDlg::CSelectTeeDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter, long firstRecord)
    : RowChoice(prompter, sortedTees(doc, firstRecord), "You must select a tee!") {}

} // namespace kip::manage
