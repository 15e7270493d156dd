#pragma once
// The worker thread behind "Golfer Rounds": it walks the chosen golfers' rounds newest first and
// posts the listed rounds to the dialog in batches, then a done message. It reads through golfer and
// score table objects of its own on the same files, so the dialog may open a listed round through
// the document's tables while the worker runs: neither moves the other's position.

#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace kip::stats {

// One listed round.
struct RoundLine {
    std::string golfer; // the round's golfer name as stored
    std::string date;   // "%02d/%02d/%04d"
    std::string course;
    std::string tee;
    int score = 0;
    int courseHandicap = 0;
    int net = 0;
    int points = 0; // the round's point total when points were kept for it
    long row = 0;
};

// Carries the worker's messages to the dialog. Both are called on the worker's thread; the
// receiver handles them on its own thread in the order they were posted.
class RoundLinePoster {
public:
    virtual ~RoundLinePoster() = default;
    virtual void postLines(std::vector<RoundLine> lines) = 0;
    virtual void postDone() = 0;
};

struct RoundListParams {
    std::vector<long> golferRows; // golfer record numbers in listing order
    int roundsLimit = 0;          // rounds per golfer, 0 for all
    bool pointsMode = false;      // only hole-by-hole rounds with points kept
    std::string courseName = {};  // filters; empty when off
    std::string teeName = {};
    std::string fromKey = {};
    std::string toKey = {};
    // A batch goes out when it holds this many lines, or when it has waited batchWait.
    std::size_t batchLines = 2000;
};

class RoundListWorker {
public:
    static constexpr std::chrono::milliseconds batchWait{20};

    RoundListWorker() = default;
    ~RoundListWorker(); // asks a running walk to stop and waits for it
    RoundListWorker(const RoundListWorker&) = delete;
    RoundListWorker& operator=(const RoundListWorker&) = delete;

    // Opens the worker's own Golfers and Scores in dataDir and starts the walk on its own thread.
    // When either table cannot be opened the walk lists nothing and only the done message comes.
    void start(const std::string& dataDir, RoundListParams params, RoundLinePoster& poster);
    void requestStop() { stop_ = true; }
    // Waits for the thread; after a stop request it ends after the row it is on.
    void join();
    bool started() const { return thread_.joinable(); }

    // The walk itself, on the calling thread.
    static void walk(golfdb::GolferTable& golfers, golfdb::ScoreTable& scores, const RoundListParams& params,
                     RoundLinePoster& poster, const std::atomic<bool>& stop);

private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    RoundListParams params_;
    std::unique_ptr<golfdb::GolferTable> golfers_;
    std::unique_ptr<golfdb::ScoreTable> scores_;
};

} // namespace kip::stats
