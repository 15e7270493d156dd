// kipgolf-cli report basic|basic-all|holes|fairways: the window's statistics commands run through a
// host that answers the golfer and limits dialogs from the command line and prints the result dialog's
// lines.

#include "cli/StatsReports.h"

#include "cli/ReportSupport.h"
#include "golfdb/CKipGolfDoc.h"
#include "manage/CSelectPersonDlg.h"
#include "platform/Clock.h"
#include "stats/CBasicAllStats.h"
#include "stats/CBasicStats.h"
#include "stats/CFairways.h"
#include "stats/CHoleStats.h"
#include "stats/CReportSelect.h"
#include "stats/StatsCommands.h"
#include "store/TableStore.h"

#include <optional>

namespace kip::cli {
namespace {

// What the limits dialog of a report offers.
struct Offer {
    bool hole = false;
    bool scoreBounds = true;
};

struct LimitOptions {
    std::optional<std::string> course, tee, hole, above, below;
    std::optional<platform::Date> from, to;
};

// Splits the arguments into the positional ones and the limits; false on a malformed line.
bool parseArguments(const std::vector<std::string>& args, Offer offer, std::vector<std::string>& positional,
                    LimitOptions& limits) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        if (arg == "--course")
            limits.course = value;
        else if (arg == "--tee")
            limits.tee = value;
        else if (arg == "--hole" && offer.hole)
            limits.hole = value;
        else if (arg == "--from" && (limits.from = parseDate(value)))
            continue;
        else if (arg == "--to" && (limits.to = parseDate(value)))
            continue;
        else if (arg == "--above" && offer.scoreBounds)
            limits.above = value;
        else if (arg == "--below" && offer.scoreBounds)
            limits.below = value;
        else
            return false;
    }
    if ((limits.tee || limits.hole) && !limits.course)
        return false;
    if (limits.from.has_value() != limits.to.has_value())
        return false;
    return !(limits.above && limits.below);
}

// Plays the user: picks the named golfer, fills the limits dialog from the options, and prints the
// result dialog's lines.
class CommandLineHost : public platform::DialogHost {
public:
    CommandLineHost(Invocation& call, golfdb::CKipGolfDoc& doc, std::string golfer, LimitOptions limits)
        : call_(call), doc_(doc), golfer_(std::move(golfer)), limits_(std::move(limits)) {}

    int run(platform::DialogModel& model) override {
        if (auto* select = dynamic_cast<manage::CSelectPersonDlg*>(&model))
            return select->selectKey(golfer_) ? select->ok() : platform::dialogCancel;
        if (auto* limits = dynamic_cast<stats::CReportSelect*>(&model))
            return fillLimits(*limits);
        if (auto* basic = dynamic_cast<stats::CBasicStats*>(&model))
            print(basic->printLines());
        else if (auto* holes = dynamic_cast<stats::CHoleStats*>(&model))
            print(holes->printLines());
        else if (auto* all = dynamic_cast<stats::CBasicAllStats*>(&model))
            print(all->printedTexts());
        else if (auto* fairways = dynamic_cast<stats::CFairways*>(&model))
            print(fairways->lines());
        else
            return platform::dialogCancel;
        shown = true;
        return platform::dialogOk;
    }

    bool shown = false;
    bool refused = false;

private:
    void print(const std::vector<report::PrintLine>& lines) {
        for (const auto& line : lines)
            call_.out << line.text << '\n';
    }
    void print(const std::vector<std::string>& lines) {
        for (const auto& line : lines)
            call_.out << line << '\n';
    }
    int refuse(const std::string& text) {
        call_.err << text << '\n';
        refused = true;
        return platform::dialogCancel;
    }

    int chooseCourse(stats::CReportSelect& dialog) {
        if (const auto refusal = chooseCourseByName(doc_, dialog, *limits_.course, limits_.tee))
            return refuse(*refusal);
        if (limits_.hole) {
            // The field holds two characters; anything longer could not have been typed.
            dialog.setHoleText(limits_.hole->size() > stats::CReportSelect::holeTextLimit ? "0"
                                                                                          : *limits_.hole);
        }
        return 0;
    }

    int fillLimits(stats::CReportSelect& dialog) {
        if (limits_.course)
            if (const int refused = chooseCourse(dialog); refused != 0)
                return refused;
        if (limits_.from)
            limitDates(dialog, *limits_.from, *limits_.to);
        if (limits_.above || limits_.below) {
            dialog.setScoreText(limits_.above ? *limits_.above : *limits_.below);
            const bool taken = limits_.above ? dialog.setScoreGreater(true) : dialog.setScoreLess(true);
            if (!taken) {
                refused = true;
                return platform::dialogCancel;
            }
        }
        if (!dialog.ok()) {
            refused = true;
            return platform::dialogCancel;
        }
        return platform::dialogOk;
    }

    Invocation& call_;
    golfdb::CKipGolfDoc& doc_;
    std::string golfer_;
    LimitOptions limits_;
};

using StatsCommand = stats::StatsOutcome (*)(stats::StatsServices);

int runStatistic(Invocation& call, const std::vector<std::string>& args, const char* usage, bool oneGolfer,
                 Offer offer, StatsCommand command) {
    std::vector<std::string> positional;
    LimitOptions limits;
    if (!parseArguments(args, offer, positional, limits) || positional.size() != (oneGolfer ? 1u : 0u)) {
        call.err << "usage: kipgolf-cli report " << usage << '\n';
        return exitUsage;
    }
    if (!hasGolfDatabase(call))
        return exitDatabase;
    ReportPrompter prompter(call);
    golfdb::CKipGolfDoc doc(call.dataDir, prompter);
    if (doc.openDatabase() == golfdb::OpenOutcome::EndProgram)
        return exitDatabase;
    const std::string golfer = oneGolfer ? positional.front() : std::string();
    if (oneGolfer && (golfer.empty() || doc.golferTable().find(golfer) != store::storeOk)) {
        call.err << "kipgolf-cli: no golfer named \"" << golfer << "\"\n";
        return exitFailure;
    }
    CommandLineHost host(call, doc, golfer, limits);
    platform::SystemClock clock;
    command({doc, host, clock, nullptr});
    if (host.shown && !prompter.refused)
        return exitOk;
    return exitFailure;
}

} // namespace

int reportBasic(Invocation& call, const std::vector<std::string>& args) {
    return runStatistic(call, args, "basic \"Last, First\" [LIMITS]", true, {false, true}, stats::basicStats);
}

int reportBasicAll(Invocation& call, const std::vector<std::string>& args) {
    return runStatistic(call, args, "basic-all [LIMITS]", false, {false, false}, stats::basicStatsAllGolfers);
}

int reportHoles(Invocation& call, const std::vector<std::string>& args) {
    return runStatistic(call, args, "holes \"Last, First\" [LIMITS]", true, {true, true},
                        stats::holeTypeStats);
}

int reportFairways(Invocation& call, const std::vector<std::string>& args) {
    return runStatistic(call, args, "fairways \"Last, First\" [LIMITS]", true, {true, true},
                        stats::fairwaysAndGreens);
}

} // namespace kip::cli
