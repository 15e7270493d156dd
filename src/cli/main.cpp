// kipgolf-cli: maintenance and scripting for a Kip Golf data folder.
//   kipgolf-cli [/datadir=FOLDER] COMMAND [ARGS...]

#include "cli/CliCommand.h"
#include "golfdb/FolderSettle.h"
#include "golfdb/RepairNotes.h"
#include "platform/UserFolders.h"

#include <cstring>
#include <iostream>
#include <string_view>

namespace {

using kip::cli::Command;

const Command commands[] = {
    {"dump", "dump TABLE [records]", kip::cli::runDump},
    {"check", "check", kip::cli::runCheck},
    {"reindex", "reindex TABLE|all", kip::cli::runReindex},
    {"handicap", "handicap \"Last, First\"", kip::cli::runHandicap},
    {"recalc", "recalc", kip::cli::runRecalc},
    {"rule", "rule 0|1|2|3", kip::cli::runRule},
    {"init", "init", kip::cli::runInit},
    {"backup", "backup FOLDER", kip::cli::runBackup},
    {"restore", "restore FOLDER", kip::cli::runRestore},
    {"compress", "compress", kip::cli::runCompress},
    {"export", "export FILE", kip::cli::runExport},
    {"import", "import FILE", kip::cli::runImport},
    {"report", "report KIND [ARGS] [LIMITS]", kip::cli::runReport},
    {"golfers", "golfers", kip::cli::runGolfers},
    {"golfer", "golfer add|rename|delete ...", kip::cli::runGolfer},
    {"rounds", "rounds \"Last, First\"", kip::cli::runRounds},
    {"round", "round add|add-total|delete ...", kip::cli::runRound},
    {"year", "year delete YYYY", kip::cli::runYear},
    {"courses", "courses [--tees]", kip::cli::runCourses},
    {"master", "master [--state ST] [--by-name]", kip::cli::runMaster},
    {"copy-master", "copy-master \"Name\" \"City\" \"State\" [--replace]", kip::cli::runCopyMaster},
    {"course",
     "course add \"Name\" \"City\" \"State\" \"Tee\" RATING SLOPE PARS YARDS [--zip Z] [--phone P] "
     "[--meters] [--accept]",
     kip::cli::runCourse},
};

int usage(std::ostream& err, int exitCode = 64) {
    err << "usage: kipgolf-cli [/datadir=FOLDER] COMMAND [ARGS...]\ncommands:\n";
    for (const auto& c : commands)
        err << "  " << c.usage << '\n';
    return exitCode;
}

} // namespace

int main(int argc, char** argv) {
    int next = 1;
    std::string dataDir;
    if (argc > 1 && std::strncmp(argv[1], "/datadir=", 9) == 0) {
        dataDir = argv[1] + 9;
        ++next;
    } else {
        dataDir = kip::platform::userDataFolder() + "KipGolf/";
    }
    if (dataDir.empty() || dataDir.back() != '/')
        dataDir += '/';
    if (next >= argc)
        return usage(std::cerr);

    const std::string_view name = argv[next];
    if (name == "--help")
        return usage(std::cout, 0);
    for (const auto& c : commands) {
        if (name == c.name) {
            // Every repair made while the data folder is opened is said once, on standard error.
            kip::golfdb::setRepairListener([](const std::string& text) { std::cerr << text << '\n'; });
            // dump and check show the files as they are found.
            if (name != "dump" && name != "check")
                kip::golfdb::settleDataFolder(dataDir);
            kip::cli::Invocation call{dataDir, {argv + next + 1, argv + argc}, std::cout, std::cerr};
            return kip::cli::isReaderCommand(c.name) ? c.run(call) : kip::cli::runAsWriter(call, c.run);
        }
    }
    std::cerr << "kipgolf-cli: unknown command '" << name << "'\n";
    return usage(std::cerr);
}
