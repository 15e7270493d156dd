// Rebuilding the index of the 100,000-round score table: the whole `kipgolf-cli reindex Scores`
// process (rows by golfer and in league order), the rebuild inside one process, and the share of the
// final sync on its own.
//   KIP_REINDEX_CLI=path runs another kipgolf-cli for the process figure (side by side).

#include "BenchData.h"
#include "golfdb/GolfSchema.h"
#include "store/DbfReindex.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace kip;
using namespace kip::bench;

class ScoreDatabase {
public:
    explicit ScoreDatabase(RowOrder order = RowOrder::ByGolfer) : temp_("kipgolf-reindex-") {
        golfdb::CKipGolfDoc doc(folder(), prompter_);
        doc.openDatabase();
        fillDatabase(
            doc,
            [](golfdb::ScoreRecord& round, int r) {
                spreadOverYears(round, r);
                round.differential = 10.0 + r % 20;
            },
            order);
    }
    std::string folder() const { return temp_.folder(); }

private:
    TempFolder temp_;
    YesPrompter prompter_;
};

ScoreDatabase& database() {
    static ScoreDatabase db;
    return db;
}

// The same rounds in league order: the keys of one golfer lie all over the table.
ScoreDatabase& leagueDatabase() {
    static ScoreDatabase db(RowOrder::League);
    return db;
}

int runProcess(const std::string& cli, const std::string& dataDir) {
    const std::string datadir = "/datadir=" + dataDir;
    const char* argv[] = {cli.c_str(), datadir.c_str(), "reindex", "Scores", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, cli.c_str(), &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void reindexProcess(benchmark::State& state, const std::string& dataDir) {
    const char* other = std::getenv("KIP_REINDEX_CLI");
    const std::string cli = other ? other : KIP_BENCH_CLI_PATH;
    for (auto _ : state)
        if (runProcess(cli, dataDir) != 0)
            state.SkipWithError("reindex failed");
}

void BM_ReindexScoresProcess(benchmark::State& state) {
    reindexProcess(state, database().folder());
}
BENCHMARK(BM_ReindexScoresProcess)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_ReindexLeagueOrderProcess(benchmark::State& state) {
    reindexProcess(state, leagueDatabase().folder());
}
BENCHMARK(BM_ReindexLeagueOrderProcess)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_ReindexScoresInProcess(benchmark::State& state) {
    const std::string path = database().folder() + "Scores.dbf";
    for (auto _ : state) {
        std::string problem;
        if (store::DbfReindex::runWithTags(path, {golfdb::scoresTag()}, problem) != store::storeOk)
            state.SkipWithError(problem.c_str());
    }
}
BENCHMARK(BM_ReindexScoresInProcess)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The final sync alone: the fresh index's bytes are written (untimed), then made durable (timed).
void BM_FinalSyncOfScoresIndex(benchmark::State& state) {
    const std::string index = database().folder() + "Scores.cdx";
    std::ifstream in(index, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string image = bytes.str();
    const std::string copy = database().folder() + "sync.cdx";
    for (auto _ : state) {
        state.PauseTiming();
        const int fd = ::open(copy.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, image.data(), image.size()) != static_cast<ssize_t>(image.size()))
            state.SkipWithError("write failed");
        state.ResumeTiming();
        ::fsync(fd);
        state.PauseTiming();
        ::close(fd);
        ::rename(copy.c_str(), (copy + ".old").c_str());
        state.ResumeTiming();
    }
    state.counters["indexBytes"] = static_cast<double>(image.size());
}
BENCHMARK(BM_FinalSyncOfScoresIndex)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
