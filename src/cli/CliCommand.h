#pragma once
// The command-line companion: each command gets the data folder (ending with '/') and its own
// arguments, prints its outcome, and returns the process exit code.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kip::cli {

// The exit codes: done; refused or failed; no usable database (or another writer holds it); a
// malformed command line.
inline constexpr int exitOk = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitDatabase = 2;
inline constexpr int exitUsage = 64;

struct Invocation {
    std::string dataDir;
    std::vector<std::string> args; // after the command name
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(Invocation&);

struct Command {
    const char* name;
    const char* usage;
    CommandFunction run;
};

// Store maintenance: dump, check, reindex.
int runDump(Invocation& call);
int runCheck(Invocation& call);
int runReindex(Invocation& call);

// Handicaps: handicap NAME, recalc, rule 0|1|2.
int runHandicap(Invocation& call);
int runRecalc(Invocation& call);
int runRule(Invocation& call);

// Database: init, backup FOLDER, restore FOLDER, compress.
int runInit(Invocation& call);
int runBackup(Invocation& call);
int runRestore(Invocation& call);
int runCompress(Invocation& call);

// Rounds file: export FILE, import FILE.
int runExport(Invocation& call);
int runImport(Invocation& call);
// Reports: report KIND [ARGS] [LIMITS] (kinds listed in ReportCommands.cpp).
int runReport(Invocation& call);
// Golfers: golfers, golfer add|rename|delete.
int runGolfers(Invocation& call);
int runGolfer(Invocation& call);

// Rounds: rounds, round add-total|delete, year delete.
int runRounds(Invocation& call);
int runRound(Invocation& call);
int runYear(Invocation& call);

// The handicap report kinds (handicaps, course-handicaps, handicap-scores, handicap) with the
// arguments after the kind.
int runHandicapReport(Invocation& call, const std::string& kind, const std::vector<std::string>& args);
// Courses: courses [--tees], master [--state ST] [--by-name], copy-master, course add.
int runCourses(Invocation& call);
int runMaster(Invocation& call);
int runCopyMaster(Invocation& call);
int runCourse(Invocation& call);
// One writer at a time: a command that is no reader runs holding the data folder's writer lock
// (a second writer gets the in-use message and exit code 2).
bool isReaderCommand(std::string_view name);
int runAsWriter(Invocation& call, CommandFunction run);

} // namespace kip::cli
