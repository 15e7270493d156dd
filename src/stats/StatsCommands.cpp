#include "stats/StatsCommands.h"

#include "manage/CSelectPersonDlg.h"
#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"
#include "stats/CFairways.h"
#include "stats/CHoleStats.h"
#include "stats/CReportSelect.h"
#include "store/TableStore.h"

#include <optional>

namespace kip::stats {
namespace {

struct GolferChoice {
    StatsOutcome outcome = StatsOutcome::Cancelled; // Shown: a golfer was chosen and read
    std::string name;
};

// The golfer a one-golfer statistic is about: Select Golfer without "Use All Golfers", then the row.
GolferChoice chooseGolfer(StatsServices& s) {
    const std::optional<long> chosen = manage::selectGolfer(s.dialogs, s.doc, {});
    if (!chosen)
        return {};
    golfdb::GolferTable& golfers = s.doc.golferTable();
    if (*chosen < 0 || golfers.goTo(*chosen) != store::storeOk) {
        s.doc.prompter().show({"Error reading golfer information from database!", "Database Error",
                               platform::Icon::Error, platform::Buttons::Ok});
        return {StatsOutcome::Failed, {}};
    }
    return {StatsOutcome::Shown, golfers.record().name};
}

std::optional<AppliedLimits> chooseLimits(StatsServices& s, bool holeAllowed, bool noScoreBounds) {
    CReportSelect dialog(&s.doc, s.doc.prompter(), s.clock.today(), holeAllowed, noScoreBounds);
    int result = dialog.open();
    if (result == 0)
        result = s.dialogs.run(dialog);
    if (result != platform::dialogOk)
        return std::nullopt;
    return applyLimits(dialog, s.doc.courseTable());
}

// Golfer, then limits, then the computation and its dialog.
template <class Dialog> StatsOutcome runGolferStatistic(StatsServices& s, Dialog& dialog, bool holeAllowed) {
    const GolferChoice golfer = chooseGolfer(s);
    if (golfer.outcome != StatsOutcome::Shown)
        return golfer.outcome;
    const std::optional<AppliedLimits> limits = chooseLimits(s, holeAllowed, false);
    if (!limits)
        return StatsOutcome::Cancelled;
    dialog.subject.setGolfer(golfer.name);
    dialog.subject.limits = *limits;
    dialog.compute(s.doc.scoreTable(), s.doc.waitCursor());
    s.dialogs.run(dialog);
    return StatsOutcome::Shown;
}

} // namespace

StatsOutcome basicStats(StatsServices services) {
    CBasicStats dialog(services.printer);
    return runGolferStatistic(services, dialog, false);
}

StatsOutcome holeTypeStats(StatsServices services) {
    CHoleStats dialog(services.printer);
    return runGolferStatistic(services, dialog, true);
}

StatsOutcome fairwaysAndGreens(StatsServices services) {
    CFairways dialog;
    return runGolferStatistic(services, dialog, true);
}

StatsOutcome basicStatsAllGolfers(StatsServices services) {
    const std::optional<AppliedLimits> limits = chooseLimits(services, false, true);
    if (!limits)
        return StatsOutcome::Cancelled;
    CBasicAllStats dialog(services.printer);
    dialog.limits = *limits;
    golfdb::CKipGolfDoc& doc = services.doc;
    dialog.compute(doc.golferTable(), doc.scoreTable(), doc.waitCursor());
    services.dialogs.run(dialog);
    return StatsOutcome::Shown;
}

} // namespace kip::stats
