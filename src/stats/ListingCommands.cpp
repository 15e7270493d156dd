#include "stats/ListingCommands.h"

#include "manage/CSelectPersonDlg.h"
#include "manage/CourseSelection.h"
#include "stats/CCourseStatsDlg.h"
#include "stats/CFewestPuttsDlg.h"
#include "stats/CGraphSelectDlg.h"
#include "stats/CGraphStatsDlg.h"
#include "stats/CListRounds.h"
#include "stats/CListTeamDlg.h"
#include "stats/CLowestScoresDlg.h"
#include "stats/CReportSelect.h"
#include "stats/CSelectGolferRounds.h"
#include "stats/ListedRound.h"

#include <optional>

namespace kip::stats {
namespace {

using platform::DialogModel;

struct ChosenGolfer {
    bool all = false;
    std::string name, first, last;
};

void showGolferReadError(golfdb::CKipGolfDoc& doc) {
    doc.prompter().show({"Error reading golfer information from database!", "Database Error",
                         platform::Icon::Error, platform::Buttons::Ok});
}

// Select Golfer with "Use All Golfers"; nothing when cancelled. A golfer row that cannot be read
// gives an empty name (the caller decides whether that is an error).
std::optional<ChosenGolfer> chooseGolferOrAll(ListingServices& s, bool& readFailed) {
    readFailed = false;
    const std::optional<long> chosen = manage::selectGolfer(s.dialogs, s.doc, {.allowAll = true});
    if (!chosen)
        return std::nullopt;
    ChosenGolfer golfer;
    if (*chosen == manage::allGolfers) {
        golfer.all = true;
        golfer.first = "All";
        golfer.last = "Golfers";
        return golfer;
    }
    golfdb::GolferTable& golfers = s.doc.golferTable();
    if (*chosen < 1 || golfers.goTo(*chosen) != store::storeOk) {
        readFailed = true;
        return golfer;
    }
    golfer.name = golfers.record().name;
    const golfdb::NameParts parts = golfdb::splitGolferName(golfer.name);
    golfer.first = parts.first;
    golfer.last = parts.last;
    return golfer;
}

RoundViewing viewingOf(ListingServices& s) {
    return {s.doc.scoreTable(), s.dialogs, s.doc.prompter(), s.clock.today(), s.printer};
}

template <class Dialog> StatsOutcome rankedListing(ListingServices s) {
    bool readFailed = false;
    const std::optional<ChosenGolfer> golfer = chooseGolferOrAll(s, readFailed);
    if (!golfer)
        return StatsOutcome::Cancelled;
    if (readFailed) {
        showGolferReadError(s.doc);
        return StatsOutcome::Failed;
    }
    Dialog dialog(s.printer);
    dialog.setGolferNames(golfer->first, golfer->last);
    golfdb::ScoreTable& scores = s.doc.scoreTable();
    dialog.rank(scores, golfer->all ? nullptr : &golfer->name, s.doc.waitCursor());
    dialog.buildLines(scores);
    const RoundViewing viewing = viewingOf(s);
    dialog.setViewer([viewing](long record) { viewListedRound(viewing, record); });
    s.dialogs.run(dialog);
    return StatsOutcome::Shown;
}

StatsOutcome roundListing(ListingServices s, bool pointsMode) {
    CSelectGolferRounds golfers(&s.doc, s.doc.prompter());
    int result = golfers.open();
    if (result == 0)
        result = s.dialogs.run(golfers);
    if (result != platform::dialogOk)
        return StatsOutcome::Cancelled;
    CReportSelect limits(&s.doc, s.doc.prompter(), s.clock.today(), false, true);
    result = limits.open();
    if (result == 0)
        result = s.dialogs.run(limits);
    if (result != platform::dialogOk)
        return StatsOutcome::Cancelled;
    const AppliedLimits applied = applyLimits(limits, s.doc.courseTable());

    RoundListParams params;
    params.golferRows = golfers.golferRows();
    params.roundsLimit = golfers.roundsLimit();
    params.pointsMode = pointsMode;
    if (applied.courseLimited) {
        params.courseName = applied.courseName;
        if (applied.teeLimited)
            params.teeName = applied.teeName;
    }
    if (applied.datesLimited) {
        params.fromKey = applied.fromKey;
        params.toKey = applied.toKey;
    }
    CListRounds dialog(s.doc.dataDir(), std::move(params), applied.dateText(), s.printer, s.doc.waitCursor());
    const RoundViewing viewing = viewingOf(s);
    dialog.setViewer([viewing](long record) { viewListedRound(viewing, record); });
    s.dialogs.run(dialog);
    dialog.closeListing();
    return StatsOutcome::Shown;
}

} // namespace

StatsOutcome lowestRounds(ListingServices services) {
    return rankedListing<CLowestScoresDlg>(services);
}

StatsOutcome fewestPutts(ListingServices services) {
    return rankedListing<CFewestPuttsDlg>(services);
}

StatsOutcome courseStatistics(ListingServices s) {
    bool readFailed = false;
    const std::optional<ChosenGolfer> golfer = chooseGolferOrAll(s, readFailed);
    if (!golfer)
        return StatsOutcome::Cancelled;
    manage::CourseServices courseServices{s.doc, s.dialogs, s.doc.prompter(), s.settings};
    const std::optional<long> course = manage::selectCourseRow(courseServices);
    if (!course)
        return StatsOutcome::Cancelled;
    golfdb::CourseTable& courses = s.doc.courseTable();
    if (courses.goTo(*course) != store::storeOk)
        return StatsOutcome::Failed;
    CCourseStatsDlg dialog(s.printer);
    dialog.allGolfers = golfer->all;
    dialog.golferName = golfer->name; // empty after a failed read: no rounds are found
    dialog.firstName = golfer->first;
    dialog.lastName = golfer->last;
    dialog.courseName = courses.record().name;
    dialog.teeName = courses.record().tee;
    dialog.compute(s.doc.scoreTable(), s.doc.waitCursor());
    s.dialogs.run(dialog);
    return StatsOutcome::Shown;
}

StatsOutcome viewAllRounds(ListingServices services) {
    return roundListing(services, false);
}

StatsOutcome showPoints(ListingServices services) {
    return roundListing(services, true);
}

StatsOutcome showTeams(ListingServices s) {
    CListTeamDlg dialog(s.printer);
    dialog.fill(s.doc);
    s.dialogs.run(dialog);
    return StatsOutcome::Shown;
}

StatsOutcome showStatsGraph(ListingServices s) {
    CGraphSelectDlg limits(&s.doc, s.doc.prompter(), s.clock.today());
    int result = limits.open();
    if (result == 0)
        result = s.dialogs.run(limits);
    if (result != platform::dialogOk)
        return StatsOutcome::Cancelled;
    golfdb::GolferTable& golfers = s.doc.golferTable();
    if (limits.golferRow() < 1 || golfers.goTo(limits.golferRow()) != store::storeOk)
        return StatsOutcome::Failed;
    const std::string name = golfers.record().name;
    const golfdb::NameParts parts = golfdb::splitGolferName(name);

    GraphPlot plot;
    plot.series = makeGraphSeries(limits.checked(GraphBox::Scores), limits.checked(GraphBox::Putts),
                                  limits.checked(GraphBox::Fairways), limits.checked(GraphBox::Greens),
                                  limits.checked(GraphBox::ParsOrLess));
    computeGraphSeries(s.doc.scoreTable(), name, limits.fromKey(), limits.toKey(), plot.series,
                       s.doc.waitCursor());
    if (plot.series.empty() || plot.series.front().count() < 2) {
        s.doc.prompter().show(
            {tooFewRoundsText, graphErrorCaption, platform::Icon::Error, platform::Buttons::Ok});
        return StatsOutcome::Failed;
    }
    plot.scales = assignScales(plot.series);
    plot.from = limits.fromDate();
    plot.to = limits.toDate();
    CGraphStatsDlg dialog(std::move(plot), parts.first, parts.last, s.doc.prompter(), s.printer);
    s.dialogs.run(dialog);
    return StatsOutcome::Shown;
}

} // namespace kip::stats
