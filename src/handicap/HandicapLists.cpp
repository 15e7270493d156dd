#include "handicap/HandicapLists.h"

#include "handicap/CourseHandicap.h"
#include "handicap/IndexText.h"
#include "handicap/WorldHandicap.h"
#include "platform/TextFormat.h"
#include "platform/WaitCursor.h"
#include "report/ReportPrint.h"

namespace kip::handicap {
namespace {

// The list's tab stop in dialog units: eight average character widths, as the print has them.
constexpr int listTabStop = 32;

// "%4.1f \t%s" of the stored index and the golfer key.
std::string indexLine(double index, const std::string& key, int rule) {
    return indexText(index, 4, rule) + " \t" + key;
}

// "%4d \t%s" of the course handicap and the golfer key.
std::string courseHandicapLine(int courseHandicap, const std::string& key, int rule) {
    return handicap::courseHandicapText(courseHandicap, 4, rule) + " \t" + key;
}

} // namespace

void fillHandicapList(report::CListDlg& dialog, golfdb::CKipGolfDoc& doc, const ListingServices& services,
                      HandicapOrder order, const std::optional<golfdb::CourseRecord>& course) {
    if (course)
        dialog.setTitle(course->name + " (" + course->tee + ")");
    else
        dialog.setTitle(order == HandicapOrder::ByGolfer ? "Golfer Handicaps (By Golfer)"
                                                         : "Golfer Handicaps (By Handicaps)");
    dialog.setHelpTopic("handicap-lists");
    dialog.setTabStops({listTabStop});
    dialog.setSorted(order == HandicapOrder::ByHandicap);
    const int rule = doc.handicapRule();
    {
        const platform::WaitCursorScope busy(doc.waitCursor());
        golfdb::GolferTable& golfers = doc.golferTable();
        for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
            const golfdb::GolferRecord& golfer = golfers.record();
            dialog.addLine(course
                               ? courseHandicapLine(ruleCourseHandicap(golfer.handicapIndex, *course, rule),
                                                    golfer.name, rule)
                               : indexLine(golfer.handicapIndex, golfer.name, rule));
        }
    }
    dialog.setPrintEnabled(services.printer != nullptr);
    dialog.setPrintAction(report::ListButton::Print, [&dialog, &services] {
        report::printReport(*services.printer, report::PrintVariant::HandicapListing, dialog.title(),
                            report::printLines(dialog.texts()));
    });
}

} // namespace kip::handicap
