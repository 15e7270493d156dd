// One writer at a time: every command that may write the data folder holds its writer lock while
// it runs; a second one is refused at once. Readers (dump, check, the reports and listings) do not
// take it.

#include "cli/CliCommand.h"
#include "golfdb/WriterLock.h"

#include <array>
#include <filesystem>

namespace kip::cli {
namespace {

constexpr std::array<std::string_view, 11> readerCommands = {
    "dump",   "check",  "handicap", "report", "golfers", "courses",
    "rounds", "master", "card",     "graph",  "--help",
};

} // namespace

bool isReaderCommand(std::string_view name) {
    for (const std::string_view reader : readerCommands)
        if (name == reader)
            return true;
    return false;
}

int runAsWriter(Invocation& call, CommandFunction run) {
    golfdb::WriterLock lock;
    // A folder that does not exist yet has nothing to protect (init makes it).
    if (lock.acquire(call.dataDir) == golfdb::WriterLock::State::Busy) {
        call.err << golfdb::WriterLock::inUseMessage(call.dataDir) << '\n';
        return exitDatabase;
    }
    const int rc = run(call);
    std::error_code ec;
    lock.release(!std::filesystem::exists(call.dataDir + "Courses.dbf", ec));
    return rc;
}

} // namespace kip::cli
