#pragma once
// A poster that queues the worker's messages until the receiving thread pumps them into the
// dialog: the command line, the tests and the benchmarks use it where the window uses its event
// queue.

#include "stats/CListRounds.h"
#include "stats/RoundListWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace kip::stats {

class QueuedRoundPoster : public RoundLinePoster {
public:
    void postLines(std::vector<RoundLine> lines) override;
    void postDone() override;

    // Hands every queued message to the dialog; true once the done message was handed.
    bool pump(CListRounds& dialog);
    // Pumps, waiting for more, until the done message was handed.
    void pumpUntilDone(CListRounds& dialog);

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::optional<std::vector<RoundLine>>> queue_; // nullopt: the done message
};

} // namespace kip::stats
