// Imports arbitrary bytes as a rounds file into a score table, then exports the table and imports
// that export again: the importer must never crash or read past a line, and what it stored must
// export and read back whole.

#include "exchange/RoundsFile.h"
#include "golfdb/ScoreTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// The files of this process; removed after every input because libFuzzer may end the process
// without running destructors.
// In memory where the system offers it: every input creates and syncs tables.
const std::string& base() {
    static const std::string path = [] {
        std::error_code ec;
        const std::filesystem::path shm = "/dev/shm";
        const auto folder =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        return (folder / ("kipgolf-fuzz-rounds-" + std::to_string(::getpid()))).string();
    }();
    return path;
}

void removeAll() {
    std::error_code ec;
    for (const char* suffix : {".csv", ".out.csv", ".dbf", ".cdx", "-again.dbf", "-again.cdx"})
        std::filesystem::remove(base() + suffix, ec);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    removeAll();
    std::ofstream(base() + ".csv", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        kip::golfdb::ScoreTable scores(base());
        if (scores.create() != 0)
            std::abort();
        const auto first = kip::exchange::importRounds(scores, base() + ".csv");
        if (first.roundsStored > first.roundsRead)
            std::abort();
        if (kip::exchange::exportRounds(scores, base() + ".out.csv") != kip::exchange::roundsFileDone)
            std::abort();
        if (first.roundsStored == 0) {
            removeAll();
            return 0;
        }
        kip::golfdb::ScoreTable again(base() + "-again");
        if (again.create() != 0)
            std::abort();
        const auto second = kip::exchange::importRounds(again, base() + ".out.csv");
        // Every stored round comes back from our own export.
        if (second.result != kip::exchange::roundsFileDone || second.roundsStored != first.roundsStored)
            std::abort();
    }
    removeAll();
    return 0;
}
