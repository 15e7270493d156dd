// kipgolf-cli report basic|basic-all|holes|fairways: the window's statistics commands run through a
// host that answers the golfer and limits dialogs from the command line and prints the result dialog's
// lines.

#include "cli/StatsReports.h"

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

#include <cctype>
#include <filesystem>
#include <optional>

namespace kip::cli {
namespace {

constexpr int exitOk = 0;
constexpr int exitFailure = 1;
constexpr int exitDatabase = 2;
constexpr int exitUsage = 64;

// What the limits dialog of a report offers.
struct Offer {
    bool hole = false;
    bool scoreBounds = true;
};

struct LimitOptions {
    std::optional<std::string> course, tee, hole, above, below;
    std::optional<platform::Date> from, to;
};

// Failures and refusals go to standard error, anything else to standard output; no question is
// asked by these commands, and one would be answered No.
class ReportPrompter : public platform::Prompter {
public:
    explicit ReportPrompter(Invocation& call) : call_(call) {}
    platform::Answer show(const platform::Message& message) override {
        const bool failure = message.icon == platform::Icon::Error ||
                             message.icon == platform::Icon::Warning ||
                             message.caption != platform::defaultCaption;
        (failure ? call_.err : call_.out) << message.text << '\n';
        refused = refused || failure;
        return message.buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::No;
    }
    bool refused = false;

private:
    Invocation& call_;
};

std::optional<platform::Date> parseDate(const std::string& text) {
    if (text.size() != 8)
        return std::nullopt;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    const platform::Date date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)),
                              std::stoi(text.substr(6, 2))};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    return date;
}

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
        dialog.setAllCourses(false);
        std::vector<int> matches;
        golfdb::CourseTable& courses = doc_.courseTable();
        for (std::size_t i = 0; i < dialog.courses().size(); ++i)
            if (courses.goTo(dialog.courses()[i].record) == store::storeOk &&
                courses.record().name == *limits_.course)
                matches.push_back(static_cast<int>(i));
        if (matches.empty())
            return refuse("kipgolf-cli: no course named \"" + *limits_.course + "\"");
        if (matches.size() > 1) {
            std::string text = "kipgolf-cli: several courses are named \"" + *limits_.course + "\":";
            for (const int i : matches)
                text += "\n  " + dialog.courses()[static_cast<std::size_t>(i)].text;
            return refuse(text);
        }
        dialog.selectCourse(matches.front());
        if (limits_.tee) {
            dialog.setTeeOnly(true);
            int found = -1;
            for (std::size_t i = 0; i < dialog.tees().size(); ++i)
                if (dialog.tees()[i].text == *limits_.tee)
                    found = static_cast<int>(i);
            if (found < 0)
                return refuse("kipgolf-cli: course \"" + *limits_.course + "\" has no tee \"" + *limits_.tee +
                              "\"");
            dialog.selectTee(found);
        }
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
        if (limits_.from) {
            dialog.setAllDates(false);
            dialog.setFromDate(*limits_.from);
            dialog.setToDate(*limits_.to);
        }
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
    if (!std::filesystem::exists(call.dataDir + "Courses.dbf")) {
        call.err << "kipgolf-cli: no golf database in " << call.dataDir << '\n';
        return exitDatabase;
    }
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
