#include "handicap/HandicapListingCommands.h"

#include "handicap/HandicapScoresListing.h"
#include "handicap/IndexText.h"
#include "platform/TextFormat.h"
#include "report/CListDlg.h"

namespace kip::handicap {
namespace {

constexpr const char* golferReadError = "Error reading golfer information from database!";

// The golfer chosen in Select Golfer made the golfer table's current row; false when none was chosen
// or the row cannot be read (after the read error under that caption).
bool goToChosenGolfer(golfdb::CKipGolfDoc& doc, const ListingServices& services, const char* caption) {
    const auto chosen = services.chooseGolfer ? services.chooseGolfer() : std::nullopt;
    if (!chosen)
        return false;
    if (doc.golferTable().goTo(*chosen) != store::storeOk) {
        doc.prompter().show({golferReadError, caption, platform::Icon::Error, platform::Buttons::Ok});
        return false;
    }
    return true;
}

} // namespace

void showHandicap(golfdb::CKipGolfDoc& doc, const ListingServices& services) {
    if (!goToChosenGolfer(doc, services, "Handicap Information"))
        return;
    golfdb::GolferTable& golfers = doc.golferTable();
    const golfdb::NameParts names = golfdb::GolferTable::splitName(golfers.record().name);
    const std::string index = indexText(golfers.record().handicapIndex, 4, doc.handicapRule());
    doc.prompter().show({names.first + " " + names.last + " has a handicap of " + index,
                         "Handicap Information", platform::Icon::Information, platform::Buttons::Ok});
}

void showHandicapScores(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                        const ListingServices& services) {
    if (!goToChosenGolfer(doc, services, "Database Error"))
        return;
    report::CListDlg dialog;
    fillHandicapScores(dialog, doc, services, oneGolferScoresTitle, doc.golferTable().record().name);
    host.run(dialog);
}

void showAllHandicapScores(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                           const ListingServices& services) {
    report::CListDlg dialog;
    fillHandicapScores(dialog, doc, services, allGolfersScoresTitle);
    host.run(dialog);
}

void showAllHandicaps(platform::DialogHost& host, golfdb::CKipGolfDoc& doc, const ListingServices& services,
                      HandicapOrder order) {
    report::CListDlg dialog;
    fillHandicapList(dialog, doc, services, order);
    host.run(dialog);
}

void showCourseHandicaps(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                         const ListingServices& services, HandicapOrder order) {
    const auto chosen = services.chooseCourse ? services.chooseCourse() : std::nullopt;
    if (!chosen)
        return;
    golfdb::CourseTable& courses = doc.courseTable();
    if (courses.goTo(*chosen) != store::storeOk)
        return;
    const golfdb::CourseRecord course = courses.record();
    report::CListDlg dialog;
    fillHandicapList(dialog, doc, services, order, course);
    host.run(dialog);
}

} // namespace kip::handicap
