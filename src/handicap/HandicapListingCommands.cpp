#include "handicap/HandicapListingCommands.h"

#include "handicap/HandicapScoresListing.h"
#include "report/CListDlg.h"

#include <array>
#include <cstdio>

namespace kip::handicap {
namespace {

constexpr const char* golferReadError = "Error reading golfer information from database!";

std::optional<long> chosenGolfer(const ListingServices& services) {
    return services.chooseGolfer ? services.chooseGolfer() : std::nullopt;
}

} // namespace

void showHandicap(golfdb::CKipGolfDoc& doc, const ListingServices& services) {
    const auto chosen = chosenGolfer(services);
    if (!chosen)
        return;
    golfdb::GolferTable& golfers = doc.golferTable();
    if (golfers.goTo(*chosen) != store::storeOk) {
        doc.prompter().show(
            {golferReadError, "Handicap Information", platform::Icon::Error, platform::Buttons::Ok});
        return;
    }
    const golfdb::NameParts names = golfdb::GolferTable::splitName(golfers.record().name);
    std::array<char, 32> index{};
    std::snprintf(index.data(), index.size(), "%4.1f", golfers.record().handicapIndex);
    doc.prompter().show({names.first + " " + names.last + " has a handicap of " + index.data(),
                         "Handicap Information", platform::Icon::Information, platform::Buttons::Ok});
}

void showHandicapScores(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                        const ListingServices& services) {
    const auto chosen = chosenGolfer(services);
    if (!chosen)
        return;
    golfdb::GolferTable& golfers = doc.golferTable();
    if (golfers.goTo(*chosen) != store::storeOk) {
        doc.prompter().show(
            {golferReadError, "Database Error", platform::Icon::Error, platform::Buttons::Ok});
        return;
    }
    report::CListDlg dialog;
    fillHandicapScores(dialog, doc, services, oneGolferScoresTitle, golfers.record().name);
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
