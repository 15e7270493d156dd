// kipgolf-cli report lowest|putts|course|rounds|points|teams|graph: the window's listing commands
// run through a host that answers their dialogs from the command line and prints what the listing's
// "Print" button prints.

#include "cli/ListingReports.h"

#include "cli/ReportSupport.h"
#include "golfdb/CKipGolfDoc.h"
#include "manage/CSelectCourseTee.h"
#include "manage/CSelectPersonDlg.h"
#include "platform/Clock.h"
#include "platform/IniSettingsStore.h"
#include "stats/CCourseStatsDlg.h"
#include "stats/CFewestPuttsDlg.h"
#include "stats/CGraphSelectDlg.h"
#include "stats/CGraphStatsDlg.h"
#include "stats/CListRounds.h"
#include "stats/CListTeamDlg.h"
#include "stats/CLowestScoresDlg.h"
#include "stats/CReportSelect.h"
#include "stats/CSelectGolferRounds.h"
#include "stats/ListingCommands.h"
#include "stats/QueuedRoundPoster.h"
#include "store/TableStore.h"

#include <algorithm>
#include <optional>

namespace kip::cli {
namespace {

// What the command line asks for.
struct Request {
    std::vector<std::string> positional;
    bool all = false;
    std::optional<std::string> rounds, course, tee;
    std::optional<platform::Date> from, to;
};

// Options taking a value are named in `valued`; "--all" is a flag where allowAll.
bool parseRequest(const std::vector<std::string>& args, const std::vector<std::string>& valued, bool allowAll,
                  Request& r) {
    auto offered = [&](const std::string& name) {
        return std::find(valued.begin(), valued.end(), name) != valued.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--all" && allowAll) {
            r.all = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            r.positional.push_back(arg);
            continue;
        }
        if (!offered(arg) || i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        if (arg == "--rounds")
            r.rounds = value;
        else if (arg == "--course")
            r.course = value;
        else if (arg == "--tee")
            r.tee = value;
        else if (arg == "--from" && (r.from = parseDate(value)))
            continue;
        else if (arg == "--to" && (r.to = parseDate(value)))
            continue;
        else
            return false;
    }
    if (r.tee && !r.course)
        return false;
    return r.from.has_value() == r.to.has_value();
}

void printTexts(Invocation& call, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        call.out << line << '\n';
}

// The team of a team listing line: the number in its first four characters.
std::string teamOf(const std::string& line) {
    return line.substr(0, 4);
}

// Plays the user against the listing commands' dialogs and prints the listing.
class ListingHost : public platform::DialogHost {
public:
    ListingHost(Invocation& call, golfdb::CKipGolfDoc& doc, Request request)
        : call_(call), doc_(doc), request_(std::move(request)) {}

    std::string golfer; // Select Golfer: the key, empty for "Use All Golfers"
    std::vector<stats::GraphBox> boxes;
    bool shown = false;
    bool refused = false;

    int run(platform::DialogModel& model) override {
        if (auto* select = dynamic_cast<manage::CSelectPersonDlg*>(&model))
            return selectGolfer(*select);
        if (auto* course = dynamic_cast<manage::CSelectCourseTee*>(&model))
            return selectCourse(*course);
        if (auto* golfers = dynamic_cast<stats::CSelectGolferRounds*>(&model))
            return selectGolfers(*golfers);
        if (auto* limits = dynamic_cast<stats::CReportSelect*>(&model))
            return fillLimits(*limits);
        if (auto* graph = dynamic_cast<stats::CGraphSelectDlg*>(&model))
            return fillGraphLimits(*graph);
        if (auto* ranked = dynamic_cast<stats::CRankedRoundsDlg*>(&model)) {
            call_.out << ranked->heading() << '\n';
            printTexts(call_, ranked->texts());
        } else if (auto* course = dynamic_cast<stats::CCourseStatsDlg*>(&model)) {
            call_.out << course->heading() << '\n';
            printTexts(call_, course->texts());
        } else if (auto* rounds = dynamic_cast<stats::CListRounds*>(&model)) {
            stats::QueuedRoundPoster poster;
            rounds->open(poster);
            poster.pumpUntilDone(*rounds);
            rounds->closeListing();
            call_.out << stats::CListRounds::printTitle() << '\n';
            printTexts(call_, rounds->texts());
        } else if (auto* teams = dynamic_cast<stats::CListTeamDlg*>(&model)) {
            printTeams(*teams);
        } else if (auto* graph = dynamic_cast<stats::CGraphStatsDlg*>(&model)) {
            printGraph(graph->plot());
        } else {
            return platform::dialogCancel;
        }
        shown = true;
        return platform::dialogOk;
    }

private:
    int refuse(const std::string& text) {
        call_.err << text << '\n';
        refused = true;
        return platform::dialogCancel;
    }

    int selectGolfer(manage::CSelectPersonDlg& dialog) {
        if (golfer.empty())
            dialog.setUseAll(true);
        else if (!dialog.selectKey(golfer))
            return refuse("kipgolf-cli: no golfer named \"" + golfer + "\"");
        return dialog.ok() == platform::dialogOk ? platform::dialogOk : platform::dialogCancel;
    }

    int selectCourse(manage::CSelectCourseTee& dialog) {
        const std::string& name = request_.positional.at(0);
        const std::string& tee = request_.positional.at(1);
        std::vector<int> matches;
        golfdb::CourseTable& courses = doc_.courseTable();
        for (std::size_t i = 0; i < dialog.lines().size(); ++i)
            if (courses.goTo(dialog.lines()[i].record) == store::storeOk && courses.record().name == name &&
                courses.record().tee == tee)
                matches.push_back(static_cast<int>(i));
        if (matches.empty())
            return refuse("kipgolf-cli: no course \"" + name + "\" with the tee \"" + tee + "\"");
        if (matches.size() > 1) {
            std::string text = "kipgolf-cli: several courses are named \"" + name + "\" \"" + tee + "\":";
            for (const int i : matches)
                text += "\n  " + dialog.lines()[static_cast<std::size_t>(i)].text;
            return refuse(text);
        }
        dialog.select(matches.front());
        return dialog.ok() == platform::dialogOk ? platform::dialogOk : platform::dialogCancel;
    }

    int selectGolfers(stats::CSelectGolferRounds& dialog) {
        if (request_.all) {
            dialog.setAllGolfers(true);
        } else {
            for (const std::string& key : request_.positional) {
                bool found = false;
                for (std::size_t i = 0; i < dialog.golfers().size(); ++i)
                    if (dialog.golfers()[i].text == key) {
                        dialog.setSelected(static_cast<int>(i), true);
                        found = true;
                    }
                if (!found)
                    return refuse("kipgolf-cli: no golfer named \"" + key + "\"");
            }
        }
        if (request_.rounds)
            dialog.setRoundsText(*request_.rounds);
        return dialog.pressOk() == platform::dialogOk ? platform::dialogOk : platform::dialogCancel;
    }

    int fillLimits(stats::CReportSelect& dialog) {
        if (request_.course) {
            if (const auto refusal = chooseCourseByName(doc_, dialog, *request_.course, request_.tee))
                return refuse(*refusal);
        }
        if (request_.from)
            limitDates(dialog, *request_.from, *request_.to);
        if (!dialog.ok()) {
            refused = true;
            return platform::dialogCancel;
        }
        return platform::dialogOk;
    }

    int fillGraphLimits(stats::CGraphSelectDlg& dialog) {
        int found = -1;
        for (std::size_t i = 0; i < dialog.golfers().size(); ++i)
            if (dialog.golfers()[i].text == golfer)
                found = static_cast<int>(i);
        if (found < 0)
            return refuse("kipgolf-cli: no golfer named \"" + golfer + "\"");
        dialog.selectGolfer(found);
        dialog.setFromDate(*request_.from);
        dialog.setToDate(*request_.to);
        for (const stats::GraphBox box : boxes)
            if (!dialog.click(box, true))
                return refuse(std::string("kipgolf-cli: ") + stats::CGraphSelectDlg::label(box) +
                              " cannot be graphed with the statistics before it: the graph has two scales");
        if (!dialog.ok()) {
            refused = true;
            return platform::dialogCancel;
        }
        return platform::dialogOk;
    }

    void printTeams(const stats::CListTeamDlg& dialog) {
        call_.out << stats::CListTeamDlg::printTitle() << '\n' << stats::CListTeamDlg::columnHeader() << '\n';
        std::optional<std::string> team;
        for (const std::string& line : dialog.texts()) {
            if (!team || teamOf(line) != *team)
                call_.out << '\n';
            team = teamOf(line);
            call_.out << line << '\n';
        }
    }

    void printScale(int number, const stats::GraphScale& scale) {
        call_.out << "scale " << number << '\t' << scale.low << '\t' << scale.range << '\t';
        for (std::size_t i = 0; i < scale.ticks.size(); ++i)
            call_.out << (i ? " " : "") << scale.ticks[i];
        call_.out << '\n';
    }

    void printGraph(const stats::GraphPlot& plot) {
        for (const stats::CGraphStat& s : plot.series) {
            call_.out << s.name << '\t';
            for (auto v = s.values.rbegin(); v != s.values.rend(); ++v)
                call_.out << (v == s.values.rbegin() ? "" : " ") << *v;
            call_.out << '\n';
        }
        printScale(1, plot.scales.first);
        if (plot.scales.hasSecond && plot.scales.secondUsed)
            printScale(2, plot.scales.second);
    }

    Invocation& call_;
    golfdb::CKipGolfDoc& doc_;
    Request request_;
};

using ListingCommand = stats::StatsOutcome (*)(stats::ListingServices);

// Opens the database, plays the command with the request's answers (golfer: Select Golfer's key,
// empty for "Use All Golfers") and says how it went.
int runListing(Invocation& call, const Request& request, const std::string& golfer, ListingCommand command,
               const std::vector<stats::GraphBox>& boxes = {}) {
    ReportPrompter prompter(call);
    golfdb::CKipGolfDoc doc(call.dataDir, prompter);
    ListingHost host(call, doc, request);
    host.golfer = golfer;
    host.boxes = boxes;
    if (!hasGolfDatabase(call))
        return exitDatabase;
    if (doc.openDatabase() == golfdb::OpenOutcome::EndProgram)
        return exitDatabase;
    if (!host.golfer.empty() && doc.golferTable().find(host.golfer) != store::storeOk) {
        call.err << "kipgolf-cli: no golfer named \"" << host.golfer << "\"\n";
        return exitFailure;
    }
    platform::SystemClock clock;
    platform::IniSettingsStore settings(platform::IniSettingsStore::defaultPath());
    command({doc, host, clock, settings, nullptr});
    return host.shown && !prompter.refused && !host.refused ? exitOk : exitFailure;
}

int usage(Invocation& call, const char* text) {
    call.err << "usage: kipgolf-cli report " << text << '\n';
    return exitUsage;
}

int rankedReport(Invocation& call, const std::vector<std::string>& args, const char* kind,
                 ListingCommand command) {
    Request request;
    const std::string text = std::string(kind) + " \"Last, First\" | " + kind + " --all";
    if (!parseRequest(args, {}, true, request) || request.positional.size() != (request.all ? 0u : 1u))
        return usage(call, text.c_str());
    return runListing(call, request, request.all ? std::string() : request.positional.front(), command);
}

int roundsReport(Invocation& call, const std::vector<std::string>& args, const char* kind,
                 ListingCommand command) {
    Request request;
    const std::string text = std::string(kind) +
                             " --all | \"Last, First\"... [--rounds N] [--course \"Name\" [--tee \"Tee\"]] "
                             "[--from YYYYMMDD --to YYYYMMDD]";
    if (!parseRequest(args, {"--rounds", "--course", "--tee", "--from", "--to"}, true, request) ||
        request.all == !request.positional.empty())
        return usage(call, text.c_str());
    return runListing(call, request, {}, command);
}

std::optional<stats::GraphBox> boxNamed(const std::string& name) {
    if (name == "scores")
        return stats::GraphBox::Scores;
    if (name == "putts")
        return stats::GraphBox::Putts;
    if (name == "fairways")
        return stats::GraphBox::Fairways;
    if (name == "greens")
        return stats::GraphBox::Greens;
    if (name == "pars")
        return stats::GraphBox::ParsOrLess;
    return std::nullopt;
}

} // namespace

int reportLowest(Invocation& call, const std::vector<std::string>& args) {
    return rankedReport(call, args, "lowest", stats::lowestRounds);
}

int reportPutts(Invocation& call, const std::vector<std::string>& args) {
    return rankedReport(call, args, "putts", stats::fewestPutts);
}

int reportCourse(Invocation& call, const std::vector<std::string>& args) {
    Request request;
    if (!parseRequest(args, {}, false, request) || request.positional.size() < 2 ||
        request.positional.size() > 3)
        return usage(call, "course \"Course\" \"Tee\" [\"Last, First\"]");
    return runListing(call, request, request.positional.size() == 3 ? request.positional[2] : std::string(),
                      stats::courseStatistics);
}

int reportRounds(Invocation& call, const std::vector<std::string>& args) {
    return roundsReport(call, args, "rounds", stats::viewAllRounds);
}

int reportPoints(Invocation& call, const std::vector<std::string>& args) {
    return roundsReport(call, args, "points", stats::showPoints);
}

int reportTeams(Invocation& call, const std::vector<std::string>& args) {
    Request request;
    if (!parseRequest(args, {}, false, request) || !request.positional.empty())
        return usage(call, "teams");
    return runListing(call, request, {}, stats::showTeams);
}

int reportGraph(Invocation& call, const std::vector<std::string>& args) {
    Request request;
    const char* text =
        "graph \"Last, First\" --from YYYYMMDD --to YYYYMMDD scores|putts|fairways|greens|pars...";
    if (!parseRequest(args, {"--from", "--to"}, false, request) || !request.from ||
        request.positional.size() < 2)
        return usage(call, text);
    std::vector<stats::GraphBox> boxes;
    for (std::size_t i = 1; i < request.positional.size(); ++i) {
        const std::optional<stats::GraphBox> box = boxNamed(request.positional[i]);
        if (!box)
            return usage(call, text);
        boxes.push_back(*box);
    }
    return runListing(call, request, request.positional.front(), stats::showStatsGraph, boxes);
}

} // namespace kip::cli
