// kipgolf-cli report KIND ...: the lines a report's "Print" button prints, one kind per row below.

#include "cli/CliCommand.h"
#include "cli/ListingReports.h"
#include "cli/StatsReports.h"
#include "golfdb/ScoreTable.h"
#include "rounds/RoundCard.h"
#include "store/TableStore.h"

#include <cctype>

namespace kip::cli {
namespace {

using KindFunction = int (*)(Invocation& call, const std::vector<std::string>& args);

struct ReportKind {
    const char* name;
    const char* usage; // after "report "
    KindFunction run;
};

void printLines(Invocation& call, const std::vector<report::PrintLine>& lines) {
    for (const auto& line : lines)
        call.out << line.text << '\n';
}

// A record number: digits only, at least 1.
bool parseRecordNumber(const std::string& text, long& number) {
    if (text.empty() || text.size() > 9)
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    number = std::stol(text);
    return number > 0;
}

int reportCard(Invocation& call, const std::vector<std::string>& args) {
    long recordNumber = 0;
    if (args.size() != 1 || !parseRecordNumber(args[0], recordNumber)) {
        call.err << "usage: kipgolf-cli report card RECNO\n";
        return exitUsage;
    }
    golfdb::ScoreTable scores(call.dataDir + "Scores");
    if (const int rc = scores.open(); rc != store::storeOk) {
        call.err << "kipgolf-cli: could not open the golf database in " << call.dataDir << " (rc = " << rc
                 << ")\n";
        return exitDatabase;
    }
    const bool found =
        scores.goTo(recordNumber) == store::storeOk && !store::recordDeleted(scores.storeTable());
    if (!found) {
        scores.close();
        call.err << "Error reading round information from database!\n";
        return exitFailure;
    }
    printLines(call, rounds::printedCard(scores.record()));
    scores.close();
    return exitOk;
}

int reportHandicaps(Invocation& call, const std::vector<std::string>& args) {
    return runHandicapReport(call, "handicaps", args);
}
int reportCourseHandicaps(Invocation& call, const std::vector<std::string>& args) {
    return runHandicapReport(call, "course-handicaps", args);
}
int reportHandicapScores(Invocation& call, const std::vector<std::string>& args) {
    return runHandicapReport(call, "handicap-scores", args);
}
int reportHandicap(Invocation& call, const std::vector<std::string>& args) {
    return runHandicapReport(call, "handicap", args);
}
int reportHistory(Invocation& call, const std::vector<std::string>& args) {
    return runHandicapReport(call, "history", args);
}

const ReportKind kinds[] = {
    {"card", "card RECNO", reportCard},
    {"basic", "basic \"Last, First\" [LIMITS]", reportBasic},
    {"basic-all", "basic-all [LIMITS]", reportBasicAll},
    {"holes", "holes \"Last, First\" [LIMITS]", reportHoles},
    {"fairways", "fairways \"Last, First\" [LIMITS]", reportFairways},
    {"handicaps", "handicaps [--by-handicap]", reportHandicaps},
    {"course-handicaps", "course-handicaps \"Course\" \"Tee\" [--by-handicap]", reportCourseHandicaps},
    {"handicap-scores", "handicap-scores --all", reportHandicapScores},
    {"handicap", "handicap \"Last, First\"", reportHandicap},
    {"history", "history \"Last, First\"", reportHistory},
    {"lowest", "lowest \"Last, First\" | lowest --all", reportLowest},
    {"putts", "putts \"Last, First\" | putts --all", reportPutts},
    {"course", "course \"Course\" \"Tee\" [\"Last, First\"]", reportCourse},
    {"rounds", "rounds --all | \"Last, First\"... [--rounds N] [LIMITS]", reportRounds},
    {"points", "points --all | \"Last, First\"... [--rounds N] [LIMITS]", reportPoints},
    {"teams", "teams", reportTeams},
    {"graph", "graph \"Last, First\" --from YYYYMMDD --to YYYYMMDD STAT...", reportGraph},
};

int reportUsage(Invocation& call) {
    call.err << "usage: kipgolf-cli report KIND [ARGS] [LIMITS]\nkinds:\n";
    for (const auto& kind : kinds)
        call.err << "  report " << kind.usage << '\n';
    return exitUsage;
}

} // namespace

int runReport(Invocation& call) {
    if (call.args.empty())
        return reportUsage(call);
    for (const auto& kind : kinds)
        if (call.args[0] == kind.name)
            return kind.run(call, {call.args.begin() + 1, call.args.end()});
    call.err << "kipgolf-cli: unknown report '" << call.args[0] << "'\n";
    return reportUsage(call);
}

} // namespace kip::cli
